# Builds the Debian package from the build tree and checks what it would put on
# a machine: the programs, the desktop entry, icons, metainfo, MIME type, manual
# pages, copyright, changelog and clip-art, nothing of the tests, and the
# libraries it depends on.
# Variables: CPACK, CPACK_CONFIG, WORK, SAMPLE, DPKG_DEB, DESKTOP_FILE_VALIDATE,
# APPSTREAMCLI, UPDATE_MIME_DATABASE and GIO.

cmake_minimum_required(VERSION 3.22)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed (${status}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

foreach(tool DESKTOP_FILE_VALIDATE:desktop-file-utils APPSTREAMCLI:appstream
             UPDATE_MIME_DATABASE:shared-mime-info GIO:libglib2.0-bin)
  string(REPLACE ":" ";" tool "${tool}")
  list(GET tool 0 variable)
  if(NOT ${variable})
    list(GET tool 1 package)
    message(FATAL_ERROR "${variable} was not found when configuring; install the Debian package ${package}")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
run(${CPACK} -G DEB --config ${CPACK_CONFIG} -B ${WORK})
file(GLOB debs ${WORK}/tessolar_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one tessolar_*.deb in ${WORK}, found: ${debs}")
endif()

run(${DPKG_DEB} -c ${debs})
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]" paths "${out}")
string(REGEX REPLACE " -> [^;]*" "" paths "${paths}")
set(share ./usr/share)
foreach(expected
    ./usr/bin/tessolar ./usr/bin/tessolar-cli ./usr/libexec/tessolar/tessolar-print-page
    ./usr/libexec/tessolar/tessolar-importer
    ${share}/applications/tessolar.desktop
    ${share}/metainfo/tessolar.metainfo.xml
    ${share}/mime/packages/tessolar-mime.xml
    ${share}/icons/hicolor/scalable/apps/tessolar.svg
    ${share}/icons/hicolor/16x16/apps/tessolar.png ${share}/icons/hicolor/32x32/apps/tessolar.png
    ${share}/icons/hicolor/48x48/apps/tessolar.png ${share}/icons/hicolor/64x64/apps/tessolar.png
    ${share}/icons/hicolor/128x128/apps/tessolar.png ${share}/icons/hicolor/256x256/apps/tessolar.png
    ${share}/man/man1/tessolar.1.gz ${share}/man/man1/tessolar-cli.1.gz
    ${share}/doc/tessolar/copyright ${share}/doc/tessolar/changelog.gz
    ${share}/tessolar/clipart/LICENSE.txt ${share}/tessolar/Tessolar_help.pdf
    ${share}/tessolar/sample.cal)
  if(NOT expected IN_LIST paths)
    message(FATAL_ERROR "the package lacks ${expected}; it holds:\n${out}")
  endif()
endforeach()
list(FILTER paths INCLUDE REGEX "^\\./usr/share/tessolar/clipart/[^/]+\\.(jpg|gif|png|svg)$")
if(NOT paths)
  message(FATAL_ERROR "the package holds no clip-art pictures:\n${out}")
endif()
# Only the two programs and the printer; test programs, benchmarks, headers and static libraries stay behind.
string(REGEX MATCHALL "\\./usr/(bin/[^\n]+|include/|lib/[^\n]+\\.a)\n" extra "${out}")
list(REMOVE_ITEM extra "./usr/bin/tessolar\n" "./usr/bin/tessolar-cli\n")
if(extra)
  message(FATAL_ERROR "the package holds more than it should: ${extra}")
endif()

run(${DPKG_DEB} -f ${debs} Package Section Maintainer Depends Recommends)
foreach(pattern "Package: tessolar\n" "Section: utils\n" "Maintainer: Tessolar developers <tessolar@example.org>\n"
                "Depends:[^\n]*libqt6webenginewidgets6"
                "Depends:[^\n]*libqt6webenginecore6-bin" "Depends:[^\n]*qt6-qpa-plugins"
                "Depends:[^\n]*libqt6svg6" "Depends:[^\n]*libqt6pdf6" "Recommends:[^\n]*pdf-viewer")
  if(NOT out MATCHES "${pattern}")
    message(FATAL_ERROR "the control fields do not match '${pattern}':\n${out}")
  endif()
endforeach()

# The files as shipped must satisfy the desktop's own checkers.
set(root ${WORK}/root)
run(${DPKG_DEB} -x ${debs} ${root})
run(${DESKTOP_FILE_VALIDATE} ${root}/usr/share/applications/tessolar.desktop)
run(${APPSTREAMCLI} validate --no-net ${root}/usr/share/metainfo/tessolar.metainfo.xml)

# The packaged program finds its clip-art where the package puts it, whatever
# prefix the build tree was configured with.
run(${root}/usr/bin/tessolar-cli new ${WORK}/new.cal --year 2027)
run(${root}/usr/bin/tessolar-cli dump ${WORK}/new.cal)
if(NOT out MATCHES "\n${root}/usr/share/tessolar/clipart/\tClipartDirectory\n")
  message(FATAL_ERROR "a new calendar should start with the packaged clip-art folder:\n${out}")
endif()

# Its pdf command finds the packaged printer.
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/usr/bin/tessolar-cli pdf ${WORK}/new.cal
    --page month --paper a4 -o ${WORK}/new.pdf)
if(NOT EXISTS ${WORK}/new.pdf)
  message(FATAL_ERROR "the packaged tessolar-cli pdf wrote no PDF:\n${err}")
endif()

# Its help page links the packaged guide.
run(${root}/usr/bin/tessolar-cli render ${WORK}/new.cal --page help)
if(NOT out MATCHES "file://${root}/usr/share/tessolar/Tessolar_help.pdf")
  message(FATAL_ERROR "the help page should link the packaged guide:\n${out}")
endif()

# The MIME type recognises our calendars by name and by content, not just any text.
set(mime ${root}/usr/share/mime)
run(${UPDATE_MIME_DATABASE} ${mime})
file(READ ${SAMPLE} sample)
file(WRITE ${WORK}/plain-calendar "${sample}")
file(WRITE ${WORK}/enciphered-calendar "calQUJDREVGR0g=")
file(WRITE ${WORK}/other-text "4034 Build\nnot a calendar\n")
foreach(case "${SAMPLE}|application/x-tessolar-calendar" "${WORK}/plain-calendar|application/x-tessolar-calendar"
             "${WORK}/enciphered-calendar|application/x-tessolar-calendar" "${WORK}/other-text|text/plain")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 file)
  list(GET case 1 type)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${root}/usr/share XDG_DATA_DIRS=${root}/usr/share
                          ${GIO} info -a standard::content-type ${file}
                  OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT out MATCHES "content-type: ${type}\n")
    message(FATAL_ERROR "${file} should be ${type} (${status}):\n${out}")
  endif()
endforeach()
