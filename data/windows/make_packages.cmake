# make_packages.cmake: the installer, through makensis, and the zip of the
# same files. Run by the target windows_packages.
file(SIZE ${EXE} exeBytes)
file(GLOB samples ${SOURCE}/samples/*.bmp)
set(totalBytes ${exeBytes})
foreach(sample IN LISTS samples)
  file(SIZE ${sample} bytes)
  math(EXPR totalBytes "${totalBytes} + ${bytes}")
endforeach()
math(EXPR sizeKb "(${totalBytes} + 1023) / 1024")
execute_process(
  COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DEXE=${EXE} -DSOURCE=${SOURCE} -DOUTFILE=${INSTALLER}
          -DICON=${ICON} -DSIZE_KB=${sizeKb} ${CMAKE_CURRENT_LIST_DIR}/tessra.nsi
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "makensis failed")
endif()
# The zip holds one folder, Tessra, with what the installer puts in place.
get_filename_component(staging ${PORTABLE} DIRECTORY)
set(staging ${staging}/Tessra)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging}/samples)
file(COPY_FILE ${EXE} ${staging}/tessra.exe)
file(COPY_FILE ${SOURCE}/LICENSE ${staging}/LICENSE.txt)
file(COPY ${samples} DESTINATION ${staging}/samples)
file(REMOVE ${PORTABLE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${PORTABLE} --format=zip Tessra
                WORKING_DIRECTORY ${staging}/.. RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the zip could not be made")
endif()
file(REMOVE_RECURSE ${staging})
