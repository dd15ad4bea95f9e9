# Runs zentrix-skin on skins made here from the sample ones, and checks what it reports and
# writes. Called as a CTest test with TOOL, EMULATOR (Wine, or empty), SKINS and WORK set.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures 0)

# Runs the tool in WORK, so skins are named by folder as the clock names them.
function(run_tool)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  set(output "${output}" PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
  set(status "${status}" PARENT_SCOPE)
endfunction()

# Fails the test with `what` unless the if() condition given after it holds.
function(expect what)
  if(NOT (${ARGN}))
    message(SEND_ERROR "${what}\n--- output:\n${output}\n--- errors:\n${errors}")
  endif()
endfunction()

function(expect_output pattern)
  string(REGEX MATCH "${pattern}" found "${output}")
  expect("output lacks /${pattern}/" found)
endfunction()

function(expect_status wanted)
  if(NOT status STREQUAL "${wanted}")
    message(SEND_ERROR "exit status ${status}, expected ${wanted}\n${output}\n${errors}")
  endif()
endfunction()

# The little-endian unsigned value of `count` bytes at `offset` of a file.
function(read_little file offset count result)
  file(READ ${file} hex OFFSET ${offset} LIMIT ${count} HEX)
  set(value 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last} 0 -1)
    math(EXPR at "${i} * 2")
    string(SUBSTRING "${hex}" ${at} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${result} ${value} PARENT_SCOPE)
endfunction()

# A sound sample skin passes, and its sizes are those its files declare.
file(COPY ${SKINS}/back2 DESTINATION ${WORK})
run_tool(check back2)
expect_status(0)
expect_output("\n0 problems\n")
read_little(${WORK}/back2/back.bmp 18 4 back_width)
read_little(${WORK}/back2/back.bmp 22 4 back_height)
read_little(${WORK}/back2/back.bmp 28 2 back_depth)
expect_output("background: ${back_width} x ${back_height}, ${back_depth} bits per pixel")
read_little(${WORK}/back2/10.bmp 18 4 colon_width)
expect_output("glyph 10 \\(colon\\): ${colon_width} x")
expect_output("pm \\(12-hour indicator\\): [0-9]+ x")
expect_output("line 12-hour \"88:88:88 PM\": ")
expect_output("rectangles: [1-9][0-9]* in [1-9][0-9]* bands")
expect_output("chime:\n  none, so the built-in bell sounds\n")

# A skin's own chime: the program's bell is one the clock takes; a file that is no WAVE is
# reported, and the built-in bell sounds instead.
file(COPY ${SKINS}/back2/ DESTINATION ${WORK}/chime)
file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/../../res/chime.wav ${WORK}/chime/chime.wav)
run_tool(check chime)
expect_status(0)
expect_output("chime:\n  mono, 8 bits, 22050 samples a second, 1000 ms\n")
file(WRITE ${WORK}/chime/chime.wav "RIFF----AVI LIST")
run_tool(check chime)
expect_status(1)
expect_output("problem: chime.chime\\.wav is not a WAVE file: the built-in chime sounds instead")

# A broken skin: a glyph missing, one far too large, an AM without its PM, and a config.ini full
# of lines that the clock reads differently from what their author meant.
file(COPY ${SKINS}/back2/ DESTINATION ${WORK}/broken)
file(REMOVE ${WORK}/broken/7.bmp ${WORK}/broken/pm.bmp)
file(COPY_FILE ${WORK}/broken/back.bmp ${WORK}/broken/8.bmp)
string(ASCII 239 187 191 bom)
string(ASCII 13 cr)
set(config_lines
  "${bom}[Transparency]"
  "[transparency]"
  "R =0"
  "[Bitmaps]"
  "Background=back"
  "background=other"
  "R=12"
  "Trans=1"
  "Trans=0"
  "[Bitmaps]"
  "Trans=1"
  " [Digits]"
)
list(JOIN config_lines "${cr}\n" config)
file(WRITE ${WORK}/broken/config.ini "${config}${cr}\n")
run_tool(check broken)
expect_status(1)
expect_output("problem: missing file broken.7\\.bmp")
expect_output("problem: missing file broken.pm\\.bmp")
expect_output("line 1: begins with a byte-order mark, which hides the header \\[Transparency\\]")
expect_output("line 2: \\[transparency\\] is not \\[Transparency\\]")
expect_output("line 3: \"R=\" has spaces before \"=\"")
expect_output("line 6: \"background=\" is not \"Background=\"")
expect_output("line 7: \"R=\" belongs under \\[Transparency\\] or \\[Digits\\]")
expect_output("line 9: second \"Trans=\" in \\[Bitmaps\\]: the first one, on line 8, wins")
expect_output("line 10: second \\[Bitmaps\\] header: only the first one, on line 4")
expect_output("line 11: \"Trans=\" is under the second \\[Bitmaps\\] header")
expect_output("line 12: looks like a header but is not one")
expect_output("do not fit the background")
# The byte-order mark hides the first header, so the colour is the default one.
expect_output("key colour R=255 G=0 B=255, Background=back, Trans=1")
string(REGEX MATCHALL "problem:" problems "${output}")
list(LENGTH problems problem_count)
expect_output("\n${problem_count} problems\n")

# A glyph saved with 32 bits a pixel whose white carries 255 in its fourth byte, as many editors
# write it: the clock draws that white, and the tool says so.
if(PYTHON)
  file(COPY ${SKINS}/back2/ DESTINATION ${WORK}/alpha)
  execute_process(COMMAND ${PYTHON} -B -c [=[
import sys
sys.path.insert(0, sys.argv[1])
import bmp_file
pixels = b"\xff\xff\xff\xff" * 3 + b"\x10\x20\x30\xff"
sys.stdout.buffer.write(bmp_file.headers(2, 2, 32, len(pixels)) + pixels)
]=] ${CMAKE_CURRENT_LIST_DIR}/../../tools
    OUTPUT_FILE ${WORK}/alpha/3.bmp RESULT_VARIABLE written)
  expect("the 32-bit glyph could not be written" written EQUAL 0)
  run_tool(check alpha)
  expect_status(1)
  expect_output("alpha.3\\.bmp: 3 white pixels have a fourth \\(alpha\\) byte that is not 0")
endif()

# A folder with nothing in it: every file is reported missing.
file(MAKE_DIRECTORY ${WORK}/empty)
run_tool(check empty)
expect_status(1)
expect_output("missing file empty.config\\.ini")
expect_output("missing file empty.back\\.bmp")
expect_output("missing file empty.10\\.bmp")
expect_output("am, pm: none")

run_tool(check)
expect_status(2)
run_tool(preview back2 --dock sideways out.bmp)
expect_status(2)
run_tool(preview back2 --time 1:2:3 out.bmp)
expect_status(2)

# Previews: the face keeps the background's size on top and turns a quarter on the sides.
foreach(dock top floating left right)
  run_tool(preview back2 --time 88:88:88 --dock ${dock} ${dock}.bmp)
  expect_status(0)
  read_little(${WORK}/${dock}.bmp 18 4 width)
  read_little(${WORK}/${dock}.bmp 22 4 height)
  read_little(${WORK}/${dock}.bmp 28 2 depth)
  if(dock STREQUAL "left" OR dock STREQUAL "right")
    set(wanted "${back_height} x ${back_width}")
  else()
    set(wanted "${back_width} x ${back_height}")
  endif()
  expect("${dock} preview is ${width} x ${height}, not ${wanted}"
         "${width} x ${height}" STREQUAL "${wanted}")
  expect("${dock} preview has ${depth} bits per pixel" depth EQUAL 24)
endforeach()
# Zoomed, every pixel of the face is a block: twice the size each way, for a turned face too.
run_tool(preview back2 --time 88:88:88 --dock right --zoom 2 right2.bmp)
expect_status(0)
read_little(${WORK}/right2.bmp 18 4 width)
read_little(${WORK}/right2.bmp 22 4 height)
math(EXPR wanted_width "${back_height} * 2")
math(EXPR wanted_height "${back_width} * 2")
expect("zoomed preview is ${width} x ${height}"
       "${width} x ${height}" STREQUAL "${wanted_width} x ${wanted_height}")
run_tool(preview back2 --zoom 4 out.bmp)
expect_status(2)

# The same face turned either way round differs; floating and top compose the same face.
file(SHA256 ${WORK}/top.bmp top_hash)
file(SHA256 ${WORK}/floating.bmp floating_hash)
file(SHA256 ${WORK}/left.bmp left_hash)
file(SHA256 ${WORK}/right.bmp right_hash)
expect("top and floating previews differ" top_hash STREQUAL floating_hash)
expect("left and right previews are the same" NOT left_hash STREQUAL right_hash)
# A different time gives a different face.
run_tool(preview back2 --time 11:11:11 top_ones.bmp)
file(SHA256 ${WORK}/top_ones.bmp ones_hash)
expect("the time does not change the face" NOT ones_hash STREQUAL top_hash)
# Each format gives a face of its own.
foreach(format "--hours;12" "--no-seconds" "--colon;off")
  run_tool(preview back2 --time 11:11:11 ${format} format.bmp)
  expect_status(0)
  file(SHA256 ${WORK}/format.bmp format_hash)
  expect("${format} does not change the face" NOT format_hash STREQUAL ones_hash)
endforeach()

# An alpha skin: its PNG pictures are read, and its face is written as a 32-bit PNG whose header
# says 68 x 236 (docked right), 8 bits a channel, RGBA.
file(COPY ${SKINS}/glass DESTINATION ${WORK})
run_tool(check glass)
expect_status(0)
expect_output("background: 236 x 68, PNG, with an alpha channel")
expect_output("an alpha skin")
run_tool(preview glass --dock right glass.png)
expect_status(0)
file(READ ${WORK}/glass.png png_header OFFSET 12 LIMIT 14 HEX)
expect("the alpha preview is no 68 x 236 RGBA PNG: ${png_header}"
       png_header STREQUAL "4948445200000044000000ec0806")
# A glyph that is no PNG file is reported with the reason.
file(COPY_FILE ${SKINS}/back2/5.bmp ${WORK}/glass/5.png)
run_tool(check glass)
expect_status(1)
expect_output("problem: glass.5.png is not a PNG file: the clock cannot use it")
