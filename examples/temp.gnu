# Perfil de temperatura no tempo final: acima a solução numérica contra a
# analítica, abaixo o erro (numérica − analítica), porque as duas curvas
# quase coincidem. Sempre em temp.png; também numa janela, se houver uma.
load 'terminal.gnu'

titulo = sprintf('Temperatura no tempo final t = %g s (N = %d volumes)', tempo_final, N)
desenho = "set multiplot title titulo layout 2,1; \
  set grid; set key top right; set xlabel ''; set ylabel 'Temperatura [°C]'; \
  if (nota_contornos ne '') { set label 1 nota_contornos at graph 0.02, graph 0.92 } ; \
  plot 'temp.dat' using 1:2 with linespoints pointtype 7 pointsize 0.6 title 'numérica', \
       '' using 1:3 with lines linewidth 2 title 'analítica'; \
  unset label 1; set xlabel 'Posição x [m]'; set ylabel 'Erro [°C]'; \
  plot 'temp.dat' using 1:($2-$3) with linespoints pointtype 7 pointsize 0.5 title 'numérica − analítica'; \
  unset multiplot"

eval(terminal_png)
set output 'temp.png'
eval(desenho)
set output
if (interativo) {
    eval(terminal_janela)
    eval(desenho)
    pause mouse close
}
