# Reads the dumps of tackpin_bench --count (one callgrind output file per
# counted execution) and prints "label instructions" for each: the label
# from the dump's "desc: Trigger: Client Request: LABEL" line, the count
# from its "totals:" line (or "summary:" where totals is absent). Plain
# POSIX awk: Debian's default awk is mawk.
function flush() {
  if (label != "" && count != "") print label, count
  label = ""; count = ""
}
FNR == 1 { flush() }
/^desc: Trigger: Client Request: / { label = $0; sub(/^desc: Trigger: Client Request: /, "", label) }
/^summary: / && count == "" { count = $2 }
/^totals: / { count = $2 }
END { flush() }
