# Installs the desktop component into PREFIX and checks that the desktop entry,
# the metainfo and the icons all meet under APP_ID where a desktop looks for them.
#   cmake -DBINARY_DIR=... -DPREFIX=... -DAPP_ID=... -DSIZES="16;32" -P desktoplayout.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${PREFIX} --component desktop
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install of the desktop files failed: ${result}")
endif()

set(expected
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry names another icon: ${icon}")
endif()
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
  string(FIND "${metainfo}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the metainfo lacks ${needle}")
  endif()
endforeach()

# Every PNG is as big as the folder it sits in says.
foreach(size IN LISTS SIZES)
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()
message(STATUS "desktop files installed under ${PREFIX}")
