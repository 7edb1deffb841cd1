# Joins the parts of the page's script, in order, into one function, so
# that they share their names with each other and with nothing else on the
# page (the module's own code is beside them).
#   cmake -DOUTPUT=file "-DPARTS=a.js;b.js" -P join_script.cmake
file(WRITE ${OUTPUT}.new "(function () {\n'use strict';\n")
foreach(part IN LISTS PARTS)
  file(READ ${part} text)
  file(APPEND ${OUTPUT}.new "${text}")
endforeach()
file(APPEND ${OUTPUT}.new "})();\n")
file(RENAME ${OUTPUT}.new ${OUTPUT})
