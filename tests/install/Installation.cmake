# Installs the build into a scratch prefix and checks that everything is
# where the programs and the desktop look for it:
#   cmake -DBUILD=<build dir> -DPREFIX=<scratch dir> -P Installation.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${ergebnis}")
endif()

set(erwartet
    bin/vapro-cli
    "share/zelto-vapro/Dampftafel SI.txt"
    "share/zelto-vapro/Dampftafel US.txt"
    share/zelto-vapro/Vapro15.hlp
    share/zelto-vapro/Vapro15e.hlp
    share/zelto-vapro/zelto-vapro.desktop
    share/zelto-vapro/zelto-vapro-mime.xml
    share/zelto-vapro/vapro.png
    share/applications/zelto-vapro.desktop
    share/mime/packages/zelto-vapro.xml
    share/icons/hicolor/64x64/apps/zelto-vapro.png
    share/icons/hicolor/64x64/mimetypes/application-x-zelto-vapro.png)
if(WITH_GUI)
  list(APPEND erwartet bin/vapro)
endif()
foreach(datei IN LISTS erwartet)
  if(NOT EXISTS "${PREFIX}/${datei}")
    message(FATAL_ERROR "not installed: ${datei}")
  endif()
endforeach()

# The installed command line reads the installed steam table.
execute_process(COMMAND "${PREFIX}/bin/vapro-cli" --kv steam --druck 7.5
                WORKING_DIRECTORY "${PREFIX}" RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe
                ERROR_VARIABLE fehler)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "installed vapro-cli steam failed (${ergebnis}): ${fehler}")
endif()
string(FIND "${ausgabe}" "${PREFIX}/share/zelto-vapro" stelle)
if(stelle EQUAL -1)
  message(FATAL_ERROR "installed vapro-cli did not read the installed table:\n${ausgabe}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
