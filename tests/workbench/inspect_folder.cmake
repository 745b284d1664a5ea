# Runs the installed-to-be tessaro-inspect on the folder of mixed files and
# checks its output and exit status: cmake -DTOOL=... -DFOLDER=... -P this.
function(inspect expected_status expected_out)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  string(REPLACE "${FOLDER}/" "" out "${out}")
  if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_out)
    message(FATAL_ERROR "tessaro-inspect ${ARGN}: status ${status}, output:\n${out}${err}")
  endif()
endfunction()

inspect(1 "anna.ldt: Liste, Anzahl Elemente 2, gültig
avl.adt: AVL-Baum, Anzahl Elemente 3, Tiefe 2, Ausgeglichen JA, gültig
bayer.bdt: BayerBaum, Anzahl Elemente 5, Tiefe 2, gültig
keller.kdt: Keller, Anzahl Elemente 3, gültig
kurz.ldt: Liste, Anzahl Elemente 2, Stream-Lesefehler
nbaum.ndt: NBaum, Anzahl Elemente 2, Tiefe 2, gültig
schlange.sdt: Schlange, Anzahl Elemente 2, gültig
suchbaum.tdt: Suchbaum, Anzahl Elemente 3, Tiefe 2, Ausgeglichen JA, gültig
zahlen.tdt: Suchbaum, Anzahl Elemente 0, Die Datei enthält keinen Baum dieser Seite - die Elemente sind keine ganzen Zahlen (TTreeInteger)
" ${FOLDER})
inspect(0 "suchbaum.tdt: Suchbaum, Anzahl Elemente 3, Tiefe 2, Ausgeglichen JA, gültig
  5
  3  8
" --show ${FOLDER}/suchbaum.tdt)
inspect(1 "liesmich.txt: ${UNKNOWN}
" ${FOLDER}/liesmich.txt)
inspect(2 "" --zeige ${FOLDER})
