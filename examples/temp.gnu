# Perfil de temperatura no tempo final: acima a solução numérica contra a
# analítica, abaixo o erro numérico (analítica − numérica, como no
# relatório), porque as duas curvas quase coincidem. As legendas e a nota
# sobre Ta e Tb ficam fora dos gráficos, para nunca cobrir uma curva.
# Sempre em temp.png; também numa janela, se houver uma.
load 'terminal.gnu'

titulo = sprintf('Temperatura no tempo final t = %g s (N = %d volumes)', tempo_final, N)
desenho = "set multiplot title titulo layout 2,1; \
  set grid; set key below horizontal; set xlabel ''; set ylabel 'Temperatura [°C]'; \
  set title nota_contornos; \
  plot 'temp.dat' using 1:2 with linespoints pointtype 7 pointsize 0.6 title 'numérica', \
       '' using 1:3 with lines linewidth 2 title 'analítica'; \
  unset title; set xlabel 'Posição x [m]'; set ylabel 'Erro numérico [°C]'; \
  plot 'temp.dat' using 1:($3-$2) with linespoints pointtype 7 pointsize 0.5 title 'Erro numérico (analítica − numérica)'; \
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
