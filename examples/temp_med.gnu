# Temperatura média da placa ao longo do tempo: solução numérica contra a analítica.
# Numa janela, quando há um monitor e um terminal interativo; senão, em temp_med.png.
load 'terminal.gnu'
if (!interativo) { set output 'temp_med.png' }

set encoding utf8
set title 'Temperatura média ao longo do tempo'
set xlabel 'Tempo [s]'
set ylabel 'Temperatura média [°C]'
set key top right
set grid
plot 'temp_med.dat' using 1:2 with linespoints pointtype 7 pointsize 0.5 title 'numérica', \
     ''             using 1:3 with lines linewidth 2 title 'analítica'

if (interativo) { pause mouse close }
