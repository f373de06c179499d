# NewsToChangelog.cmake: writes a Debian changelog from the NEWS file.
# Usage: cmake -DNEWS=NEWS -DOUTPUT=changelog -DPACKAGE=tessra
#              -DMAINTAINER="Name <address>" -P NewsToChangelog.cmake
# NEWS holds releases, newest first, each headed "VERSION (YYYY-MM-DD)"
# and followed by "* " items whose continuation lines are indented by two
# spaces. Lines before the first release head are the file's own preamble.
cmake_minimum_required(VERSION 3.25)
foreach(var NEWS OUTPUT PACKAGE MAINTAINER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "NewsToChangelog: ${var} is not set")
  endif()
endforeach()

# weekday(OUT YEAR MONTH DAY): the day's English abbreviation, by
# Sakamoto's method (0 is Sunday).
function(weekday out year month day)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  if(month LESS 3)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR d "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
  set(names Sun Mon Tue Wed Thu Fri Sat)
  list(GET names ${d} name)
  set(${out} ${name} PARENT_SCOPE)
endfunction()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(trailer "")
set(text "")
set(releases 0)

file(STRINGS "${NEWS}" lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  if(line MATCHES "^([0-9][0-9A-Za-z.+~]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
    set(version ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_2})
    set(dd ${CMAKE_MATCH_4})
    # Leading zeros would make math() read the numbers as octal.
    string(REGEX REPLACE "^0" "" month "${CMAKE_MATCH_3}")
    string(REGEX REPLACE "^0" "" day "${dd}")
    weekday(name ${year} ${month} ${day})
    math(EXPR monthIndex "${month} - 1")
    list(GET months ${monthIndex} monthName)
    string(APPEND text "${trailer}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${MAINTAINER}  ${name}, ${dd} ${monthName} ${year} 00:00:00 +0000\n\n")
    math(EXPR releases "${releases} + 1")
  elseif(releases EQUAL 0 OR line STREQUAL "")
    # The preamble, and the blank lines between items.
  elseif(line MATCHES "^(\\* |  )")
    string(APPEND text "  ${line}\n")
  else()
    message(FATAL_ERROR "NewsToChangelog: ${NEWS}: neither a release head nor an item: '${line}'")
  endif()
endforeach()
if(releases EQUAL 0)
  message(FATAL_ERROR "NewsToChangelog: ${NEWS} holds no release")
endif()
# The last trailer closes the entry without a blank line after it.
string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
file(WRITE "${OUTPUT}" "${text}${trailer}")
