# Checks that the English translation is whole: lupdate gathers the texts of
# the sources into a copy of optolune_en.ts, which then must hold no message
# without English (type="unfinished": a new text or one left untranslated)
# and none that no source has any more (type="vanished" or "obsolete").
# Arguments: -DLUPDATE= -DSOURCE_DIR= -DTS= -DWORK=
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/optolune_en.ts)
file(COPY_FILE ${TS} ${copy})
execute_process(
  COMMAND ${LUPDATE} app chart circle cli core explanations lens lists print table tablewindow
          tilt variations -extensions cpp,h -locations none -source-language fr
          -target-language en -ts ${copy}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE result
  OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(READ ${copy} text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?<translation type=\"(unfinished|vanished|obsolete)\"" faults "${text}")
list(LENGTH faults count)
if(count GREATER 0)
  set(listed "")
  foreach(fault IN LISTS faults)
    string(REGEX REPLACE "[ \t\r\n]+" " " fault "${fault}")
    string(APPEND listed "\n  ${fault}")
  endforeach()
  message(FATAL_ERROR "${count} messages of optolune_en.ts are not whole (run the "
                      "update_translations target, then translate):${listed}")
endif()
string(REGEX MATCHALL "<translation>[ \t\r\n]*</translation>" empty "${text}")
list(LENGTH empty emptyCount)
if(emptyCount GREATER 0)
  message(FATAL_ERROR "${emptyCount} messages of optolune_en.ts have an empty translation")
endif()
