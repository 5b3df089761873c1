# The display as a picture: `png FILE` in a script and --png after it write
# PNG files whose size follows the display's: twice its width plus the
# bezels (48 units a side), twice its height plus 16 units above and below,
# and plus whatever the page draws below the display's height. The plan of
# the jump, `plan FILE` and --plan, is a picture of a fixed size.
function(png_size file var)
  file(READ "${file}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${file} is not a PNG file: ${header}")
  endif()
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  set(${var} "${width}x${height}" PARENT_SCOPE)
endfunction()

function(expect_size file want)
  png_size("${file}" got)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${file}: expected ${want}, got ${got}")
  endif()
endfunction()

file(REMOVE "${OUT}/square.png" "${OUT}/wide.png" "${OUT}/after.png" "${OUT}/opening.png")
file(WRITE "${OUT}/png.script" "png ${OUT}/square.png\nopen 400 200\npng ${OUT}/wide.png\n")
execute_process(
  COMMAND "${EXE}" --scenario scenarios/glider_world.toml --script "${OUT}/png.script"
          --png "${OUT}/after.png"
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
# The option's picture says where it went too.
set(want "png ${OUT}/square.png\ndisplay 2 open 400x200\npng ${OUT}/wide.png\npng ${OUT}/after.png\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL want OR NOT err STREQUAL "")
  message(FATAL_ERROR "status ${status}\nstdout:\n${out}\nstderr:\n${err}")
endif()
expect_size("${OUT}/square.png" 704x576)
# The speed line at y = 192 reaches 8 units below a display 200 high.
expect_size("${OUT}/wide.png" 992x480)
expect_size("${OUT}/after.png" 992x480)  # the display the script left selected

# Without a script: the opening display, and no cockpit.
execute_process(
  COMMAND "${EXE}" --scenario scenarios/glider_world.toml --png "${OUT}/opening.png"
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT out STREQUAL "png ${OUT}/opening.png\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "status ${status}\nstdout:\n${out}\nstderr:\n${err}")
endif()
expect_size("${OUT}/opening.png" 704x576)

# A file that cannot be written is an error of its line.
file(WRITE "${OUT}/png_bad.script" "png ${OUT}/no/such/folder/x.png\n")
execute_process(
  COMMAND "${EXE}" --scenario scenarios/glider_world.toml --script "${OUT}/png_bad.script"
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
set(want "error: line 1: cannot write ${OUT}/no/such/folder/x.png: No such file or directory\n")
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL want)
  message(FATAL_ERROR "status ${status}\nstdout:\n${out}\nstderr:\n${err}")
endif()

# The plan, in a script and after it, beside the display.
file(REMOVE "${OUT}/plan.png" "${OUT}/after_plan.png" "${OUT}/after_png.png")
file(WRITE "${OUT}/plan.script" "key T\ninput Moon\nplan ${OUT}/plan.png\n")
execute_process(
  COMMAND "${EXE}" --scenario scenarios/glider_world.toml --script "${OUT}/plan.script"
          --plan "${OUT}/after_plan.png" --png "${OUT}/after_png.png"
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
set(want "key T -> true\ninput -> true\nplan ${OUT}/plan.png\npng ${OUT}/after_png.png\nplan ${OUT}/after_plan.png\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL want OR NOT err STREQUAL "")
  message(FATAL_ERROR "status ${status}\nstdout:\n${out}\nstderr:\n${err}")
endif()
expect_size("${OUT}/plan.png" 960x800)
expect_size("${OUT}/after_plan.png" 960x800)
expect_size("${OUT}/after_png.png" 704x576)

# Refusals, each of its line; a file already at the path stays as it was.
file(WRITE "${OUT}/keep.png" "an earlier picture")
foreach(case
    "open 65535 65535|png|display 2 open 65535x65535\n|error: line 2: display 2 (65535x65535) is too large for a picture: it would take 131262x131134 pixels, at most 8192 a side"
    "focus none|plan|focus -> none\n|error: line 2: there is no focus vessel to plan a jump for")
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 first)
  list(GET parts 1 command)
  list(GET parts 2 want_out)
  list(GET parts 3 want_err)
  file(WRITE "${OUT}/refused.script" "${first}\n${command} ${OUT}/keep.png\n")
  execute_process(
    COMMAND "${EXE}" --scenario scenarios/glider_world.toml --script "${OUT}/refused.script"
    WORKING_DIRECTORY "${WORKDIR}"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 2 OR NOT out STREQUAL want_out OR NOT err STREQUAL "${want_err}\n")
    message(FATAL_ERROR "${first}: status ${status}\nstdout:\n${out}\nstderr:\n${err}")
  endif()
  file(READ "${OUT}/keep.png" kept)
  if(NOT kept STREQUAL "an earlier picture")
    message(FATAL_ERROR "${first}: the earlier file was changed")
  endif()
endforeach()
