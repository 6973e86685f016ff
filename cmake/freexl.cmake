# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# FreeXL, which reads a bank's plan from an Excel 97–2003 workbook (.xls): on
# Debian libfreexl-dev, for Windows a static library built from Debian's
# source (scripts/windows), named with -DQUORVANE_FREEXL=<folder it was
# installed into>; that one converts its texts with win-iconv, installed
# beside it.
set(QUORVANE_FREEXL "" CACHE PATH "Folder of a FreeXL build (include/, lib/)")
if(QUORVANE_FREEXL)
  set(freexl_where PATHS ${QUORVANE_FREEXL} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
endif()
find_path(QUORVANE_FREEXL_INCLUDE freexl.h PATH_SUFFIXES include ${freexl_where})
find_library(QUORVANE_FREEXL_LIBRARY freexl PATH_SUFFIXES lib ${freexl_where})
if(NOT QUORVANE_FREEXL_INCLUDE OR NOT QUORVANE_FREEXL_LIBRARY)
  message(FATAL_ERROR "FreeXL was not found (Debian: libfreexl-dev); "
                      "name its folder with -DQUORVANE_FREEXL=")
endif()

add_library(FreeXL::FreeXL UNKNOWN IMPORTED)
set_target_properties(FreeXL::FreeXL PROPERTIES
  IMPORTED_LOCATION ${QUORVANE_FREEXL_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QUORVANE_FREEXL_INCLUDE})
if(QUORVANE_FREEXL_LIBRARY MATCHES "\\.a$")
  find_library(QUORVANE_ICONV_LIBRARY iconv PATH_SUFFIXES lib ${freexl_where})
  set_property(TARGET FreeXL::FreeXL PROPERTY INTERFACE_LINK_LIBRARIES ${QUORVANE_ICONV_LIBRARY})
endif()
