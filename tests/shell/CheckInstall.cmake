# Installs the build into a scratch prefix and checks that the desktop sees
# Quandrel: the programs, the menu entry, the icon and the design file type,
# that the entry and the type name each other, and the sample art.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path
    bin/quandrel
    bin/quandrel-batch
    share/applications/quandrel.desktop
    share/mime/packages/quandrel.xml
    share/icons/hicolor/scalable/apps/quandrel.svg
    share/icons/hicolor/48x48/apps/quandrel.png
    share/icons/hicolor/256x256/apps/quandrel.png)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The sample art that seeds a new program folder: every shipped file, in the
# folder the program looks for it from bin/.
foreach(folder bg bmbrush clipart)
  file(GLOB shipped RELATIVE "${ART_DIR}/${folder}" "${ART_DIR}/${folder}/*")
  if(shipped STREQUAL "")
    message(FATAL_ERROR "no art to install in ${ART_DIR}/${folder}")
  endif()
  foreach(name ${shipped})
    if(NOT EXISTS "${PREFIX}/share/quandrel/${folder}/${name}")
      message(FATAL_ERROR "not installed: share/quandrel/${folder}/${name}")
    endif()
  endforeach()
endforeach()

file(READ "${PREFIX}/share/applications/quandrel.desktop" entry)
file(READ "${PREFIX}/share/mime/packages/quandrel.xml" types)
string(REGEX MATCH "type=\"([^\"]+)\"" ignored "${types}")
set(type "${CMAKE_MATCH_1}")
foreach(line "Exec=quandrel %f" "Icon=quandrel" "MimeType=${type};")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks \"${line}\"")
  endif()
endforeach()
string(FIND "${types}" "pattern=\"*.qdl\"" at)
if(type STREQUAL "" OR at EQUAL -1)
  message(FATAL_ERROR "the design file type does not claim *.qdl")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/quandrel.desktop"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refused the menu entry")
  endif()
endif()
