# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# QCustomPlot 2.1 built for Qt 6, the library that draws the repayment chart:
# on Debian the shared libQCustomPlotQt6 of libqcustomplot-dev, for Windows a
# static library built from Debian's source (scripts/windows), named with
# -DQUORVANE_QCUSTOMPLOT=<folder it was installed into>. Debian's own CMake
# file exports the Qt 5 flavour only, so the Qt 6 library and its header are
# found here and given a target of their own.
set(QUORVANE_QCUSTOMPLOT "" CACHE PATH "Folder of a QCustomPlot built for Qt 6 (include/, lib/)")
if(QUORVANE_QCUSTOMPLOT)
  set(qcustomplot_where PATHS ${QUORVANE_QCUSTOMPLOT} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
endif()
find_path(QUORVANE_QCUSTOMPLOT_INCLUDE qcustomplot.h PATH_SUFFIXES include ${qcustomplot_where})
find_library(QUORVANE_QCUSTOMPLOT_LIBRARY QCustomPlotQt6 PATH_SUFFIXES lib ${qcustomplot_where})
if(NOT QUORVANE_QCUSTOMPLOT_INCLUDE OR NOT QUORVANE_QCUSTOMPLOT_LIBRARY)
  message(FATAL_ERROR "QCustomPlot for Qt 6 was not found (Debian: libqcustomplot-dev); "
                      "name its folder with -DQUORVANE_QCUSTOMPLOT=")
endif()

add_library(QCustomPlot::QCustomPlot UNKNOWN IMPORTED)
set_target_properties(QCustomPlot::QCustomPlot PROPERTIES
  IMPORTED_LOCATION ${QUORVANE_QCUSTOMPLOT_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${QUORVANE_QCUSTOMPLOT_INCLUDE}
  INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
if(NOT QUORVANE_QCUSTOMPLOT_LIBRARY MATCHES "\\.a$")
  # A shared library's symbols are imported (this matters on Windows only).
  set_property(TARGET QCustomPlot::QCustomPlot PROPERTY
    INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY)
endif()
