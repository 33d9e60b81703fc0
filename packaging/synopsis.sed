# help2man finds a usage line only under GNU's Spanish "Modo de empleo:"; ours says "Uso:".
/^\.SH DESCRIPCIÓN$/{
N
s/^\(.*\)\nUso: \([^ ]*\) \(.*\)$/.SH SINOPSIS\n.B \2\n\3\n\1/
}
