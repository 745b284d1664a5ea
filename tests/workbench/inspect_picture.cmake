# Runs tessaro-inspect --picture on saved files and checks the pictures: a PNG
# by its signature, an SVG by its text elements holding the values:
# cmake -DTOOL=... -DFOLDER=... -DOUT=... -P this.
file(MAKE_DIRECTORY ${OUT})
function(picture file picture)
  file(REMOVE ${OUT}/${picture})
  execute_process(COMMAND ${TOOL} --picture ${OUT}/${picture} ${FOLDER}/${file}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT EXISTS ${OUT}/${picture})
    message(FATAL_ERROR "tessaro-inspect --picture ${picture} ${file}: status ${status}\n${out}${err}")
  endif()
endfunction()

picture(suchbaum.tdt suchbaum.png)
file(READ ${OUT}/suchbaum.png signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "suchbaum.png is no PNG: ${signature}")
endif()

foreach(case "suchbaum.tdt;>5<;>3<;>8<" "anna.ldt;>Anna<;>[42]<;>Cursor<" "nbaum.ndt;<svg")
  list(POP_FRONT case file)
  picture(${file} ${file}.svg)
  file(READ ${OUT}/${file}.svg svg)
  foreach(text IN LISTS case)
    string(FIND "${svg}" "${text}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${file}.svg lacks ${text}")
    endif()
  endforeach()
endforeach()

# A folder is no picture's file: a usage error.
execute_process(COMMAND ${TOOL} --picture ${OUT}/x.png ${FOLDER} RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "--picture with a folder: status ${status}")
endif()

# A refused file (truncated) gets no picture: status 1, the reason on stderr.
file(REMOVE ${OUT}/kurz.png)
execute_process(COMMAND ${TOOL} --picture ${OUT}/kurz.png ${FOLDER}/kurz.ldt
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR EXISTS ${OUT}/kurz.png OR
   NOT err STREQUAL "tessaro-inspect: ${OUT}/kurz.png: Kein Bild geschrieben, die Datei wurde abgelehnt\n")
  message(FATAL_ERROR "--picture of a refused file: status ${status}\n${err}")
endif()
