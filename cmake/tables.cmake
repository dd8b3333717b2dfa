# The controls' and the messages' one tables (desktop/controls.txt,
# desktop/messages.txt), written out for each place that lists them. Included,
# vorkkeli_tables() sets HELP_CONTROLS (the launcher's --help), MAN_CONTROLS
# and MAN_DIAGNOSTICS (the manual page), METAINFO_CONTROLS, HTML_CONTROLS
# (the page, which has a button for full screen instead of Alt+Enter),
# README_CONTROLS and README_MESSAGES (the Windows README.txt: the messages
# that can appear there, each meaning wrapped at 74 columns). As a script,
# it fills a template with them:
#   cmake -DTEMPLATE=IN -DOUTPUT=OUT -DVERSION=V -P cmake/tables.cmake

# Words of TEXT in lines of at most WIDTH columns, each after INDENT.
function(vorkkeli_wrap text width indent out)
  string(REPLACE " " ";" words "${text}")
  set(result "")
  set(line "")
  foreach(word IN LISTS words)
    string(LENGTH "${indent}${line} ${word}" length)
    if(line STREQUAL "")
      set(line "${word}")
    elseif(length GREATER width)
      string(APPEND result "${indent}${line}\n")
      set(line "${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  set(${out} "${result}${indent}${line}" PARENT_SCOPE)
endfunction()

function(vorkkeli_tables top)
  file(STRINGS ${top}/desktop/controls.txt control_lines REGEX "^[^#]" ENCODING UTF-8)
  foreach(line IN LISTS control_lines)
    string(REGEX REPLACE " [|] .*" "" input "${line}")
    string(REGEX REPLACE ".* [|] " "" effect "${line}")
    string(LENGTH "${input}" width)
    math(EXPR pad "20 - ${width}")
    string(REPEAT " " ${pad} spaces)
    string(APPEND help "  ${input}${spaces}${effect}\n")
    string(APPEND man ".TP 20\n.B ${input}\n${effect}\n")
    string(APPEND metainfo "      <li>${input}: ${effect}</li>\n")
    if(NOT input STREQUAL "Alt+Enter")
      string(APPEND html "      <dt>${input}</dt><dd>${effect}</dd>\n")
    endif()
  endforeach()
  string(REGEX REPLACE "\n$" "" readme_controls "${help}")
  string(STRIP "${help}" help)

  # The manual page's DIAGNOSTICS in troff: \ as \e, <placeholders> in
  # italics, ä and ö by name.
  file(STRINGS ${top}/desktop/messages.txt message_lines REGEX "^[^#]" ENCODING UTF-8)
  set(readme_messages "")
  foreach(line IN LISTS message_lines)
    string(REGEX REPLACE "^([a-z]+) [|] (.*) [|] (.*)$" "\\1" where "${line}")
    string(REGEX REPLACE "^([a-z]+) [|] (.*) [|] (.*)$" "\\2" message "${line}")
    string(REGEX REPLACE "^([a-z]+) [|] (.*) [|] (.*)$" "\\3" meaning "${line}")
    if(where STREQUAL "all")
      vorkkeli_wrap("${meaning}" 74 "      " wrapped)
      if(NOT readme_messages STREQUAL "")
        string(APPEND readme_messages "\n\n")
      endif()
      string(APPEND readme_messages "  ${message}\n${wrapped}")
    endif()
    set(troff "${message} | ${meaning}")
    string(REPLACE "\\" "\\e" troff "${troff}")
    string(REGEX REPLACE "<([a-z]+)>" "\\\\fI\\1\\\\fP" troff "${troff}")
    foreach(pair "ä;\\(:a" "ö;\\(:o" "Ä;\\(:A" "Ö;\\(:O")
      list(GET pair 0 from)
      list(GET pair 1 to)
      string(REPLACE "${from}" "${to}" troff "${troff}")
    endforeach()
    string(REGEX REPLACE "^(.*) [|] (.*)$" ".TP\n.B \\1\n\\2\n" entry "${troff}")
    string(APPEND diagnostics "${entry}")
  endforeach()

  set(HELP_CONTROLS "${help}" PARENT_SCOPE)
  set(MAN_CONTROLS "${man}" PARENT_SCOPE)
  set(METAINFO_CONTROLS "${metainfo}" PARENT_SCOPE)
  set(HTML_CONTROLS "${html}" PARENT_SCOPE)
  set(MAN_DIAGNOSTICS "${diagnostics}" PARENT_SCOPE)
  set(README_CONTROLS "${readme_controls}" PARENT_SCOPE)
  set(README_MESSAGES "${readme_messages}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  get_filename_component(top "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
  vorkkeli_tables(${top})
  configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
endif()
