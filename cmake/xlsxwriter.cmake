# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# libxlsxwriter, which writes the windows' tables as Excel workbooks (.xlsx):
# on Debian libxlsxwriter-dev; elsewhere (the Windows program) a build of it
# named with -DQUORVANE_XLSXWRITER=<folder it was installed into>. It compresses with
# zlib. Sets QUORVANE_XLSXWRITER_FOUND and, where found, Xlsxwriter::Xlsxwriter.
set(QUORVANE_XLSXWRITER "" CACHE PATH "Folder of a libxlsxwriter build (include/, lib/)")
if(QUORVANE_XLSXWRITER)
  set(xlsxwriter_where PATHS ${QUORVANE_XLSXWRITER} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
endif()
find_path(QUORVANE_XLSXWRITER_INCLUDE xlsxwriter.h PATH_SUFFIXES include ${xlsxwriter_where})
find_library(QUORVANE_XLSXWRITER_LIBRARY xlsxwriter PATH_SUFFIXES lib ${xlsxwriter_where})
# The Windows program is one self-contained file: zlib is linked in too.
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB QUIET)
if(QUORVANE_XLSXWRITER_INCLUDE AND QUORVANE_XLSXWRITER_LIBRARY AND ZLIB_FOUND)
  set(QUORVANE_XLSXWRITER_FOUND ON)
  if(NOT TARGET Xlsxwriter::Xlsxwriter)
    add_library(Xlsxwriter::Xlsxwriter UNKNOWN IMPORTED)
    set_target_properties(Xlsxwriter::Xlsxwriter PROPERTIES
      IMPORTED_LOCATION ${QUORVANE_XLSXWRITER_LIBRARY}
      INTERFACE_INCLUDE_DIRECTORIES ${QUORVANE_XLSXWRITER_INCLUDE}
      INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
  endif()
else()
  set(QUORVANE_XLSXWRITER_FOUND OFF)
endif()
