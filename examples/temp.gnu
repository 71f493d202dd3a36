# Perfil de temperatura no tempo final: solução numérica contra a analítica.
# Numa janela, quando há um monitor e um terminal interativo; senão, em temp.png.
load 'terminal.gnu'
if (!interativo) { set output 'temp.png' }

set encoding utf8
set title 'Temperatura no tempo final'
set xlabel 'Posição x [m]'
set ylabel 'Temperatura [°C]'
set key top right
set grid
plot 'temp.dat' using 1:2 with linespoints pointtype 7 pointsize 0.8 title 'numérica', \
     ''         using 1:3 with lines linewidth 2 title 'analítica'

if (interativo) { pause mouse close }
