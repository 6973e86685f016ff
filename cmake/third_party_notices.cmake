# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes THIRD-PARTY.txt for the Windows program from what its linker map says
# was linked into quorvane.exe: each Qt module and the libraries Qt bundles
# into it, with the notices Qt's source gives for them (qt_attribution.json),
# QCustomPlot, and the pieces of the MinGW-w64 runtime; and, given the map of
# its workbook writer quorvane-xlsx.exe, libxlsxwriter with the parts it
# bundles, and zlib. UTF-8 with a byte order mark and CR LF line ends, so
# Notepad shows it as it is.
#
#   cmake -DMAP=quorvane.map -DQT_SOURCE=... -DQT_VERSION=6.4.2
#         -DQCUSTOMPLOT_SOURCE=... -DQCUSTOMPLOT_VERSION=2.1.0
#         [-DWRITER_MAP=quorvane-xlsx.map -DXLSXWRITER_SOURCE=... -DZLIB_SOURCE=...]
#         -DOUTPUT=THIRD-PARTY.txt -P third_party_notices.cmake
#
# The functions take what they read as arguments; what the document gathers
# as it goes (the notices, the licence texts given once at the end, the
# folders already given) is kept in global properties.
cmake_minimum_required(VERSION 3.25)

foreach(input MAP QT_SOURCE QT_VERSION QCUSTOMPLOT_SOURCE QCUSTOMPLOT_VERSION OUTPUT)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "third_party_notices: ${input} is not set")
  endif()
endforeach()

set(rule "==============================================================================")
set(thin_rule "------------------------------------------------------------------------------")
set_property(GLOBAL PROPERTY notices "")
set_property(GLOBAL PROPERTY shared_licences "")
set_property(GLOBAL PROPERTY attributed_folders "")

# The archives the linker took members from, as a linker map names them.
function(archives_in map_file result)
  file(READ ${map_file} map)
  string(REGEX MATCHALL "[A-Za-z0-9_.+-]+\\.a\\(" members "${map}")
  set(archives "")
  foreach(member IN LISTS members)
    string(REGEX REPLACE "\\($" "" archive "${member}")
    list(APPEND archives ${archive})
  endforeach()
  list(REMOVE_DUPLICATES archives)
  set(${result} ${archives} PARENT_SCOPE)
endfunction()

archives_in(${MAP} linked_archives)
set(programs "quorvane.exe")
set(programs_are "quorvane.exe is")
set(them "it")
set(writer_archives "")
if(DEFINED WRITER_MAP)
  archives_in(${WRITER_MAP} writer_archives)
  set(programs "quorvane.exe and quorvane-xlsx.exe")
  set(programs_are "quorvane.exe and quorvane-xlsx.exe are")
  set(them "them")
endif()
# The runtimes are in both programs.
set(runtime_archives ${linked_archives} ${writer_archives})
list(REMOVE_DUPLICATES runtime_archives)

# Those of the candidates (a list) that are among the linked archives.
function(linked_among result linked candidates)
  set(found "")
  foreach(archive IN LISTS candidates)
    if(archive IN_LIST linked)
      list(APPEND found ${archive})
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

function(add_notice name version licence copyright text)
  set(notice "==============================================================================\n${name}")
  if(NOT "${version}" STREQUAL "")
    string(APPEND notice " ${version}")
  endif()
  string(APPEND notice "\nLicence: ${licence}\n")
  if(NOT "${copyright}" STREQUAL "")
    string(APPEND notice "Copyright: ${copyright}\n")
  endif()
  string(APPEND notice
         "------------------------------------------------------------------------------\n"
         "${text}\n\n")
  set_property(GLOBAL APPEND_STRING PROPERTY notices "${notice}")
endfunction()

# The text of an SPDX licence from Qt's LICENSES folder, given once at the end.
function(refer_to_shared qt_source ids result)
  string(REGEX MATCHALL "[A-Za-z0-9.+-]+" words "${ids}")
  set(found "")
  foreach(word IN LISTS words)
    if(EXISTS ${qt_source}/LICENSES/${word}.txt)
      list(APPEND found ${word})
      set_property(GLOBAL APPEND PROPERTY shared_licences ${word})
    endif()
  endforeach()
  if(found)
    list(JOIN found ", " names)
    set(${result} "The licence's text is under \"Licence texts\" at the end: ${names}." PARENT_SCOPE)
  else()
    set(${result} "" PARENT_SCOPE)
  endif()
endfunction()

function(json_field json field result)
  string(JSON value ERROR_VARIABLE missing GET "${json}" ${field})
  if(missing)
    set(value "")
  endif()
  set(${result} "${value}" PARENT_SCOPE)
endfunction()

# One entry of a qt_attribution.json, in the folder it lies in; none whose
# id is among the excluded.
function(add_attribution json folder qt_source excluded)
  json_field("${json}" Name name)
  json_field("${json}" Version version)
  json_field("${json}" Id id)
  if(id IN_LIST excluded)
    return()
  endif()
  json_field("${json}" LicenseId licence)
  if("${licence}" STREQUAL "")
    json_field("${json}" License licence)
  endif()
  json_field("${json}" Copyright copyright)
  json_field("${json}" LicenseFile licence_file)
  json_field("${json}" QtUsage usage)
  set(text "")
  if(NOT "${licence_file}" STREQUAL "" AND EXISTS ${folder}/${licence_file})
    file(READ ${folder}/${licence_file} text)
  else()
    refer_to_shared(${qt_source} "${licence}" text)
  endif()
  if(NOT "${usage}" STREQUAL "")
    set(text "${usage}\n\n${text}")
  endif()
  add_notice("${name}" "${version}" "${licence}" "${copyright}" "${text}")
endfunction()

# The notices of every qt_attribution.json in a folder of Qt's source, once;
# none in a folder or of an id among the excluded.
function(add_attributions_in folder qt_source excluded)
  get_property(done GLOBAL PROPERTY attributed_folders)
  if(folder IN_LIST done)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY attributed_folders ${folder})
  file(GLOB_RECURSE attribution_files ${folder}/qt_attribution.json)
  foreach(attribution_file IN LISTS attribution_files)
    if(attribution_file MATCHES "/(tests|examples)/")
      continue()
    endif()
    get_filename_component(attribution_folder ${attribution_file} DIRECTORY)
    get_filename_component(attribution_folder_name ${attribution_folder} NAME)
    if(attribution_folder_name IN_LIST excluded)
      continue()
    endif()
    file(READ ${attribution_file} attribution)
    string(JSON type TYPE "${attribution}")
    if(type STREQUAL "ARRAY")
      string(JSON count LENGTH "${attribution}")
      math(EXPR last "${count} - 1")
      foreach(i RANGE ${last})
        string(JSON entry GET "${attribution}" ${i})
        add_attribution("${entry}" ${attribution_folder} ${qt_source} "${excluded}")
      endforeach()
    else()
      add_attribution("${attribution}" ${attribution_folder} ${qt_source} "${excluded}")
    endif()
  endforeach()
endfunction()

# The folder of Qt's source that builds each of Qt's archives, as
# "archive|folder", read from Qt's own build files, whatever the version's
# layout: libQt6Core.a is built where qt_internal_add_module(Core …) stands,
# a plugin where its OUTPUT_NAME is given, a bundled library where
# qt_internal_add_3rdparty_library names it.
function(qt_archive_folders qt_source result)
  file(GLOB_RECURSE build_files ${qt_source}/src/CMakeLists.txt)
  set(found "")
  foreach(build_file IN LISTS build_files)
    if(build_file MATCHES "/(tests|examples)/")
      continue()
    endif()
    file(READ ${build_file} content)
    string(REGEX MATCHALL "qt_internal_add_(module|3rdparty_library)\\([A-Za-z0-9_]+" defined
           "${content}")
    string(REGEX MATCHALL "OUTPUT_NAME[ \t\n]+\"?[A-Za-z0-9_\${}]+" named "${content}")
    get_filename_component(folder ${build_file} DIRECTORY)
    foreach(definition IN LISTS defined named)
      string(REGEX REPLACE "^.*[( \t\n\"]" "" archive "${definition}")
      if(definition MATCHES "^qt_internal_add_")
        set(archive "Qt6${archive}")
      endif()
      string(REPLACE "\${INSTALL_CMAKE_NAMESPACE}" "Qt6" archive "${archive}")
      string(REPLACE "\${QT_LIBINFIX}" "" archive "${archive}")
      list(APPEND found "lib${archive}.a|${folder}")
    endforeach()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

# The folder that builds an archive, from qt_archive_folders' list.
function(folder_of archive folders result)
  list(FILTER folders INCLUDE REGEX "^${archive}\\|")
  if(NOT folders)
    message(FATAL_ERROR "third_party_notices: no folder of Qt's source builds ${archive}")
  endif()
  list(GET folders 0 entry)
  string(REGEX REPLACE "^[^|]*\\|" "" folder "${entry}")
  set(${result} ${folder} PARENT_SCOPE)
endfunction()

# Third-party code that a module's build refers to but that is not compiled
# into this Windows build, by folder or by attribution id: forkfd serves Unix
# processes only, the Vulkan allocator and registry and wintab belong to
# features switched off (Vulkan, tablet events), pixman's routines are for
# ARM processors, the Core Foundation event dispatcher for macOS.
set(not_in_this_build forkfd VulkanMemoryAllocator vulkan wintab pixman qeventdispatcher_cf)

# What the notices call Qt's parts, by their archives.
set(qt_part_names
  "libQt6Core.a|Qt Core"
  "libQt6Gui.a|Qt GUI"
  "libQt6Widgets.a|Qt Widgets"
  "libQt6PrintSupport.a|Qt Print Support"
  "libqwindows.a|Qt's Windows platform plugin"
  "libqoffscreen.a|Qt's offscreen platform plugin"
  "libqwindowsvistastyle.a|Qt's Windows Vista style"
  "libqgif.a|Qt's GIF image plugin"
  "libqico.a|Qt's ICO image plugin"
  "libqjpeg.a|Qt's JPEG image plugin"
  "libQt6EntryPoint.a|Qt's entry point for Windows programs")

# Each linked part of Qt, with the notices of its folder and of the
# third-party folders its build refers to; then the bundled libraries.
qt_archive_folders(${QT_SOURCE} qt_folders)
refer_to_shared(${QT_SOURCE} "LGPL-3.0-only GPL-3.0-only" qt_licence_text)
foreach(part IN LISTS qt_part_names)
  string(REPLACE "|" ";" part "${part}")
  list(GET part 0 archive)
  list(GET part 1 name)
  if(NOT archive IN_LIST linked_archives)
    continue()
  endif()
  folder_of(${archive} "${qt_folders}" folder)
  add_notice("${name}" ${QT_VERSION} "LGPL-3.0-only"
             "The Qt Company Ltd. and other contributors"
             "Linked statically; Qt's source, as built, is part of this release.\n${qt_licence_text}")
  add_attributions_in(${folder} ${QT_SOURCE} "${not_in_this_build}")
  file(GLOB_RECURSE build_files ${folder}/CMakeLists.txt ${folder}/*.cmake)
  set(referred "")
  foreach(build_file IN LISTS build_files)
    file(STRINGS ${build_file} lines REGEX "3rdparty/")
    string(REGEX MATCHALL "3rdparty/[A-Za-z0-9_.-]+" found "${lines}")
    list(APPEND referred ${found})
  endforeach()
  list(REMOVE_DUPLICATES referred)
  foreach(third_party IN LISTS referred)
    string(REPLACE "3rdparty/" "" third_party_name ${third_party})
    if(NOT third_party_name IN_LIST not_in_this_build)
      add_attributions_in(${QT_SOURCE}/src/3rdparty/${third_party_name} ${QT_SOURCE}
                          "${not_in_this_build}")
    endif()
  endforeach()
endforeach()
foreach(entry IN LISTS qt_folders)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 archive)
  list(GET entry 1 folder)
  if(archive MATCHES "^libQt6Bundled" AND archive IN_LIST linked_archives)
    add_attributions_in(${folder} ${QT_SOURCE} "${not_in_this_build}")
  endif()
endforeach()

if(libQCustomPlotQt6.a IN_LIST linked_archives)
  file(READ ${QCUSTOMPLOT_SOURCE}/GPL.txt text)
  add_notice("QCustomPlot" ${QCUSTOMPLOT_VERSION} "GPL-3.0-or-later" "Emanuel Eichhammer"
             "Draws the repayment chart. Linked statically.\n\n${text}")
endif()

# libxlsxwriter in the workbook writer: its licence and those of the parts it
# bundles (minizip, tmpfileplus, md5, dtoa, FreeBSD's queue.h and tree.h),
# which its License.txt gives; and the zlib it compresses with.
if(libxlsxwriter.a IN_LIST writer_archives)
  file(STRINGS ${XLSXWRITER_SOURCE}/include/xlsxwriter.h xlsxwriter_version
       REGEX "define LXW_VERSION ")
  string(REGEX MATCH "[0-9.]+" xlsxwriter_version "${xlsxwriter_version}")
  file(READ ${XLSXWRITER_SOURCE}/License.txt text)
  # The file is a page of the library's manual: its first lines and last
  # lines only open that page, lead to the next and close it.
  string(REGEX REPLACE "^/\\*\\*[ \t\n]*@page license License[ \t\n]*" "" text "${text}")
  string(REGEX REPLACE "[ \t\n]*Next: @ref [a-z_]+[ \t\n]*\\*/[ \t\n]*$" "" text "${text}")
  # tmpfileplus's licence names the MPL's text without giving it.
  file(READ /usr/share/common-licenses/MPL-2.0 mpl)
  add_notice("libxlsxwriter" ${xlsxwriter_version}
             "BSD-2-Clause; the parts it bundles: Zlib (minizip), MPL-2.0 (tmpfileplus), MIT (dtoa), BSD-3-Clause (queue.h), public domain (md5)"
             "John McNamara and the authors below"
             "Writes Excel workbooks (.xlsx) in quorvane-xlsx.exe. Linked statically, with the parts it bundles; its source, as built, is part of this release.\n\n${text}\n\n${thin_rule}\nMozilla Public License, version 2.0 (tmpfileplus)\n${thin_rule}\n${mpl}")
endif()
if(libzlibstatic.a IN_LIST writer_archives)
  file(STRINGS ${ZLIB_SOURCE}/zlib.h zlib_version REGEX "define ZLIB_VERSION ")
  string(REGEX MATCH "[0-9.]+" zlib_version "${zlib_version}")
  file(READ ${ZLIB_SOURCE}/LICENSE text)
  add_notice("zlib" ${zlib_version} "Zlib" "Jean-loup Gailly and Mark Adler"
             "Compresses the workbooks quorvane-xlsx.exe writes. Linked statically.\n\n${text}")
endif()

# The compiler's runtime and the Windows runtime of MinGW-w64, as Debian's
# packages of them describe their copyright.
linked_among(gcc_runtime "${runtime_archives}" "libstdc++.a;libgcc.a;libgcc_eh.a")
if(gcc_runtime)
  list(JOIN gcc_runtime ", " pieces)
  file(READ /usr/share/doc/gcc-mingw-w64-base/copyright text)
  add_notice("GCC runtime libraries (${pieces})" "" "GPL-3.0-or-later WITH GCC-exception-3.1"
             "Free Software Foundation, Inc."
             "The C++ standard library and the compiler's support routines, linked statically under the GCC Runtime Library Exception.\n\n${text}")
endif()
linked_among(mingw_runtime "${runtime_archives}"
             "libpthread.a;libwinpthread.a;libmingwex.a;libmingw32.a;libmoldname.a;libmsvcrt.a;libuuid.a;libdxguid.a")
if(mingw_runtime)
  list(JOIN mingw_runtime ", " pieces)
  file(READ /usr/share/doc/mingw-w64-x86-64-dev/copyright text)
  add_notice("MinGW-w64 runtime and winpthreads (${pieces})" "" "ZPL-2.1 AND MIT AND BSD-3-Clause"
             "The MinGW-w64 project" "${text}")
endif()

set(document "Quorvane for Windows: the third-party software in ${programs}\n\n")
string(APPEND document
       "${programs_are} free software under the GNU General Public License, version 3\n"
       "or later (see LICENSE). Linked into ${them} is the following software by others,\n"
       "each under its own licence, as listed here from the linkers' maps.\n\n")
get_property(notices GLOBAL PROPERTY notices)
get_property(shared_licences GLOBAL PROPERTY shared_licences)
list(REMOVE_DUPLICATES shared_licences)
string(APPEND document "${notices}")
if(shared_licences)
  string(APPEND document "${rule}\nLicence texts\n${rule}\n\n")
  foreach(id IN LISTS shared_licences)
    file(READ ${QT_SOURCE}/LICENSES/${id}.txt text)
    string(APPEND document "${thin_rule}\n${id}\n${thin_rule}\n${text}\n\n")
  endforeach()
endif()

string(REPLACE "\r\n" "\n" document "${document}")
string(REPLACE "\n" "\r\n" document "${document}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${OUTPUT} "${byte_order_mark}${document}")
