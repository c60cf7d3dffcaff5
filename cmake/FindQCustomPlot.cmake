# Provides QCustomPlot::QCustomPlot, built for the Qt of ORMEDA_QT_MAJOR: a library
# built for the other Qt would load both into one process. Debian brings a CMake
# package per Qt, QCustomPlot for Qt 5 and QCustomPlotQt6 for Qt 6; the library's own
# shared build (its qmake project, as on Windows) brings only the header and the
# library, looked up under QCustomPlot_ROOT or CMAKE_PREFIX_PATH.
if(ORMEDA_QT_MAJOR EQUAL 6)
  find_package(QCustomPlotQt6 CONFIG QUIET)
  if(TARGET QCustomPlotQt6::QCustomPlotQt6)
    add_library(QCustomPlot::QCustomPlot INTERFACE IMPORTED)
    set_target_properties(QCustomPlot::QCustomPlot PROPERTIES INTERFACE_LINK_LIBRARIES QCustomPlotQt6::QCustomPlotQt6)
    set(QCustomPlot_FOUND TRUE)
    return()
  endif()
else()
  find_package(QCustomPlot CONFIG QUIET)
  if(TARGET QCustomPlot::QCustomPlot)
    set(QCustomPlot_FOUND TRUE)
    return()
  endif()
endif()

find_path(QCustomPlot_INCLUDE_DIR qcustomplot.h PATH_SUFFIXES include)
find_library(QCustomPlot_LIBRARY_RELEASE NAMES qcustomplot2 qcustomplot QCustomPlot PATH_SUFFIXES lib)
find_library(QCustomPlot_LIBRARY_DEBUG NAMES qcustomplotd2 qcustomplotd PATH_SUFFIXES lib)
include(SelectLibraryConfigurations)
select_library_configurations(QCustomPlot)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QCustomPlot REQUIRED_VARS QCustomPlot_LIBRARY QCustomPlot_INCLUDE_DIR)

if(QCustomPlot_FOUND)
  add_library(QCustomPlot::QCustomPlot UNKNOWN IMPORTED)
  # Without QCUSTOMPLOT_USE_LIBRARY the header does not import its classes from the DLL.
  set_target_properties(QCustomPlot::QCustomPlot PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${QCustomPlot_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QCUSTOMPLOT_USE_LIBRARY
    INTERFACE_LINK_LIBRARIES "Qt::Widgets;Qt::PrintSupport")
  if(QCustomPlot_LIBRARY_RELEASE)
    set_property(TARGET QCustomPlot::QCustomPlot APPEND PROPERTY IMPORTED_CONFIGURATIONS RELEASE)
    set_target_properties(QCustomPlot::QCustomPlot PROPERTIES IMPORTED_LOCATION_RELEASE "${QCustomPlot_LIBRARY_RELEASE}")
  endif()
  if(QCustomPlot_LIBRARY_DEBUG)
    set_property(TARGET QCustomPlot::QCustomPlot APPEND PROPERTY IMPORTED_CONFIGURATIONS DEBUG)
    set_target_properties(QCustomPlot::QCustomPlot PROPERTIES IMPORTED_LOCATION_DEBUG "${QCustomPlot_LIBRARY_DEBUG}")
  endif()
endif()
