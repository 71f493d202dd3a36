# Temperatura média da placa ao longo do tempo: acima a solução numérica
# contra a analítica, abaixo o erro numérico (analítica − numérica, como no
# relatório). Legendas e nota fora dos gráficos. Sempre em temp_med.png;
# também numa janela, se houver uma.
load 'terminal.gnu'

titulo = sprintf('Temperatura média até t = %g s (N = %d volumes)', tempo_final, N)
desenho = "set multiplot title titulo layout 2,1; \
  set grid; set key below horizontal; set xlabel ''; set ylabel 'Temperatura média [°C]'; \
  set title nota_contornos; \
  plot 'temp_med.dat' using 1:2 with linespoints pointtype 7 pointsize 0.4 title 'numérica', \
       '' using 1:3 with lines linewidth 2 title 'analítica'; \
  unset title; set xlabel 'Tempo [s]'; set ylabel 'Erro numérico [°C]'; \
  plot 'temp_med.dat' using 1:($3-$2) with linespoints pointtype 7 pointsize 0.4 title 'Erro numérico (analítica − numérica)'; \
  unset multiplot"

eval(terminal_png)
set output 'temp_med.png'
eval(desenho)
set output
if (interativo) {
    eval(terminal_janela)
    eval(desenho)
    pause mouse close
}
