<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_TW">
    <context>
        <name>AppStartup</name>
        <message>
            <source>程序已運行！</source>
            <translation>O programa já está em execução!</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>資料庫密碼錯誤或者已損壞，原檔已備份</source>
            <translation>A palavra-passe da base de dados está errada ou a base de dados está danificada. Foi feita uma cópia do ficheiro original.</translation>
        </message>
        <message>
            <source>無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動</source>
            <translation>Não é possível ler a base de dados. O programa será encerrado; verifique o disco e inicie-o novamente.</translation>
        </message>
    </context>
    <context>
        <name>CheckUpdateWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>下載升級包</source>
            <translation>Baixar</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>Atualizar</translation>
        </message>
        <message>
            <source>未檢測到升級包！</source>
            <translation>Nenhuma atualização encontrada!</translation>
        </message>
        <message>
            <source>檢測到網絡升級包，是否進行升級？</source>
            <translation>Há uma atualização disponível. Atualizar agora?</translation>
        </message>
        <message>
            <source>正在下載升級包... 0%</source>
            <translation>Baixando a atualização... 0%</translation>
        </message>
        <message>
            <source>正在下載升級包%1%...</source>
            <translation>Baixando a atualização %1%...</translation>
        </message>
        <message>
            <source>升級包下載成功</source>
            <translation>Atualização baixada</translation>
        </message>
        <message>
            <source>升級包下載成功，是否進行升級？</source>
            <translation>A atualização foi baixada. Atualizar agora?</translation>
        </message>
        <message>
            <source>升級程式無法啟動！</source>
            <translation>Não foi possível iniciar o atualizador!</translation>
        </message>
    </context>
    <context>
        <name>ChooseDialog</name>
        <message>
            <source>確定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>Common</name>
        <message>
            <source>犬細小病毒</source>
            <translation>Parvovírus canino</translation>
        </message>
        <message>
            <source>犬瘟熱病毒</source>
            <translation>Vírus da cinomose canina</translation>
        </message>
        <message>
            <source>犬冠狀病毒</source>
            <translation>Coronavírus canino</translation>
        </message>
        <message>
            <source>犬腺病毒</source>
            <translation>Adenovírus canino</translation>
        </message>
        <message>
            <source>犬副流感病毒</source>
            <translation>Vírus da parainfluenza canina</translation>
        </message>
        <message>
            <source>貓泛白血球減少症病毒</source>
            <translation>Vírus da panleucopenia felina</translation>
        </message>
        <message>
            <source>貓疱疹病毒</source>
            <translation>Herpesvírus felino</translation>
        </message>
        <message>
            <source>貓杯狀病毒</source>
            <translation>Calicivírus felino</translation>
        </message>
        <message>
            <source>貓冠狀病毒</source>
            <translation>Coronavírus felino</translation>
        </message>
        <message>
            <source>貓白血病病毒</source>
            <translation>Vírus da leucemia felina</translation>
        </message>
        <message>
            <source>貓免疫缺陷病毒</source>
            <translation>Vírus da imunodeficiência felina</translation>
        </message>
        <message>
            <source>鉤端螺旋體</source>
            <translation>Leptospira</translation>
        </message>
        <message>
            <source>巴貝斯蟲</source>
            <translation>Babesia</translation>
        </message>
        <message>
            <source>艾利希體</source>
            <translation>Ehrlichia</translation>
        </message>
        <message>
            <source>無形體</source>
            <translation>Anaplasma</translation>
        </message>
        <message>
            <source>貓血支原體</source>
            <translation>Mycoplasma haemofelis</translation>
        </message>
        <message>
            <source>賈第鞭毛蟲</source>
            <translation>Giárdia</translation>
        </message>
        <message>
            <source>弓形蟲</source>
            <translation>Toxoplasma gondii</translation>
        </message>
        <message>
            <source>貓衣原體</source>
            <translation>Chlamydia felis</translation>
        </message>
        <message>
            <source>支氣管敗血性博德氏菌</source>
            <translation>Bordetella bronchiseptica</translation>
        </message>
        <message>
            <source>犬心絲蟲</source>
            <translation>Dirofilaria immitis</translation>
        </message>
        <message>
            <source>鸚鵡熱衣原體</source>
            <translation>Chlamydia psittaci</translation>
        </message>
        <message>
            <source>繁體中文</source>
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Español</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>Português</source>
            <translation>Português</translation>
        </message>
        <message>
            <source>日本語</source>
            <translation>日本語</translation>
        </message>
    </context>
    <context>
        <name>DataManageWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>匯入匯出</source>
            <translation>Importar e exportar</translation>
        </message>
        <message>
            <source>匯入數據</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>數據管理</source>
            <translation>Gestão de dados</translation>
        </message>
        <message>
            <source>資料庫檔案</source>
            <translation>Arquivos de banco de dados</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Todos os arquivos</translation>
        </message>
        <message>
            <source>選擇一個資料庫</source>
            <translation>Escolha um banco de dados</translation>
        </message>
        <message>
            <source>資料庫檔案匯入成功！</source>
            <translation>Banco de dados importado com sucesso!</translation>
        </message>
        <message>
            <source>資料庫檔案匯入失敗！</source>
            <translation>Falha ao importar o banco de dados!</translation>
        </message>
        <message>
            <source>保存為資料庫檔案</source>
            <translation>Salvar como banco de dados</translation>
        </message>
        <message>
            <source>資料庫檔案匯出成功！</source>
            <translation>Banco de dados exportado com sucesso!</translation>
        </message>
        <message>
            <source>資料庫檔案匯出失敗！</source>
            <translation>Falha ao exportar o banco de dados!</translation>
        </message>
        <message>
            <source>檔案已存在，是否取代？
%1</source>
            <translation>O arquivo já existe. Deseja substituí-lo?
%1</translation>
        </message>
    </context>
    <context>
        <name>DatetimeEditDialog</name>
        <message>
            <source>年</source>
            <translation> a</translation>
        </message>
        <message>
            <source>月</source>
            <translation> m</translation>
        </message>
        <message>
            <source>日</source>
            <translation> d</translation>
        </message>
        <message>
            <source>時</source>
            <translation> h</translation>
        </message>
        <message>
            <source>分</source>
            <translation> min</translation>
        </message>
        <message>
            <source>秒</source>
            <translation> s</translation>
        </message>
        <message>
            <source>確定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>DrawPrintTemplate</name>
        <message>
            <source>即時螢光PCR檢測報告</source>
            <translation>Relatório de PCR em tempo real</translation>
        </message>
        <message>
            <source>醫院地址:</source>
            <translation>Endereço:</translation>
        </message>
        <message>
            <source>醫院電話:</source>
            <translation>Telefone:</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Tutor:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Raça:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>N.º caso:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Animal:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Espécie:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contato:</translation>
        </message>
        <message>
            <source>寵物性別：</source>
            <translation>Sexo:</translation>
        </message>
        <message>
            <source>寵物年齡：</source>
            <translation>Idade:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Data teste:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Amostra:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Sintomas:</translation>
        </message>
        <message>
            <source>擴增曲線：</source>
            <translation>Curvas:</translation>
        </message>
        <message>
            <source>檢測結果：</source>
            <translation>Resultados:</translation>
        </message>
        <message>
            <source>檢測項目</source>
            <translation>Item de teste</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Resultado</translation>
        </message>
        <message>
            <source>參考標準</source>
            <translation>Referência</translation>
        </message>
        <message>
            <source>        Ct = 0: 陰性(-)</source>
            <translation>        Ct = 0: negativo(-)</translation>
        </message>
        <message>
            <source>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</source>
            <translation>  0 &lt; Ct ≦ 10: inválido (repetir)</translation>
        </message>
        <message>
            <source> 10 &lt; Ct ≦ 20: 強陽性(+++)</source>
            <translation> 10 &lt; Ct ≦ 20: positivo forte(+++)</translation>
        </message>
        <message>
            <source> 20 &lt; Ct ≦ 30: 陽性(++)</source>
            <translation> 20 &lt; Ct ≦ 30: positivo(++)</translation>
        </message>
        <message>
            <source> 30 &lt; Ct &lt; 36: 弱陽性(+)</source>
            <translation> 30 &lt; Ct &lt; 36: positivo fraco(+)</translation>
        </message>
        <message>
            <source> 36 ≦ Ct ≦40: 疑似(*)</source>
            <translation> 36 ≦ Ct ≦40: suspeito(*)</translation>
        </message>
        <message>
            <source>結果說明:</source>
            <translation>Notas:</translation>
        </message>
        <message>
            <source>1. 陽性結果：樣本中檢測到相關病原體基因；</source>
            <translation>1. Positivo: foram detectados genes do patógeno na amostra;</translation>
        </message>
        <message>
            <source>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</source>
            <translation>2. Negativo: sem genes do patógeno ou abaixo do limite de detecção;</translation>
        </message>
        <message>
            <source>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</source>
            <translation>3. O resultado não confirma nem exclui um diagnóstico; apenas orienta o veterinário.</translation>
        </message>
        <message>
            <source>報告日期：</source>
            <translation>Emitido em:</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Médico:</translation>
        </message>
        <message>
            <source>聲明: </source>
            <translation>Nota: </translation>
        </message>
        <message>
            <source>該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。</source>
            <translation>Válido só para a amostra testada, referência clínica. Dúvidas: contate-nos em até 3 dias úteis.</translation>
        </message>
        <message>
            <source>列印日期:</source>
            <translation>Impresso: </translation>
        </message>
        <message>
            <source>Real-time PCR Test Report</source>
            <translation>Real-time PCR Test Report</translation>
        </message>
        <message>
            <source>指標</source>
            <translation>Indicador</translation>
        </message>
        <message>
            <source>列印時間</source>
            <translation>Impresso em</translation>
        </message>
        <message>
            <source>【本結果只對本次檢驗樣本負責】</source>
            <translation>[Este resultado refere-se apenas à amostra analisada]</translation>
        </message>
    </context>
    <context>
        <name>HelpAndFAQ</name>
        <message>
            <source>常見問題

Lorix如何與電腦連結?
    A：
    1. 在儀器上進入通訊設置，連接到與電腦相同的WiFi網路。
    2. 在儀器的WiFi詳情中查看儀器的WiFi IP地址。
    3. 在電腦上打開本程式的「儀器IP設置」頁面，輸入該IP地址並點擊連接；連接成功後，視窗底部的指示燈變為綠色，並顯示「已連接儀器」。

檢體樣本如何處理?
    A：
    1. 液體樣本：取200 μL樣本，加入保存液稀釋並混勻，再取200 μL加入LB孔中進行裂解。
    2. 尿液樣本：直接取200 μL加入LB管中。
    3. 拭子樣本：將拭子放入保存液中充分攪拌洗脫，再取200 μL加入LB孔中。

採集的樣品如果暫時不做，該怎麼保存？能存放多久？常溫放置後影響多大？
    A：請冷藏保存，並盡快檢測。樣品在常溫下放置越久，核酸降解越多，可能使檢測結果偏弱甚至出現假陰性。

萃取完成之核酸，可以放置多久？
    A：萃取完成後請在1小時內置於4 ℃保存，並放在乾淨無菌的管子或萃取盒中密封；建議當天完成後續的檢測項目。

萃取儀在進行核酸萃取結束後，不小心再次點擊運行，怎麼辦？
    A：
    1. 在3分鐘內按下萃取儀的RUN鍵停止運行。
    2. 或者等待第二次運行結束，萃取好的核酸仍可使用。

擴增試劑管，能在蓋子上做標記嗎？
    A：不能。蓋子上的標記會影響螢光檢測，請只在管壁側面做標記。

PCR擴增時，凍乾粉擴增試劑管忘記蓋了，有什麼影響？
    A：本次檢測結果無效。
    *下次檢測前，請先清潔並消毒儀器的反應槽。

Lorix是否可連接多台設備？
    A：一台電腦同一時間只能連接一台儀器。如需使用多台儀器，請以多台電腦分別連接，或以USB方式傳輸數據。


實驗步驟:
    A：
    1. 按下儀器的OPEN鍵打開艙蓋，放入樣本。
    2. 在儀器上選擇孔位、物種（貓、狗或異寵）及檢測項目。
    3. 重複以上步驟，最多可放入8個樣本（8個孔位）。
    4. 開始運行。</source>
            <translation>Perguntas frequentes

Como ligar o Lorix ao computador?
    R:
    1. No instrumento, abra as definições de comunicação e ligue-o à mesma rede WiFi do computador.
    2. Nos detalhes de WiFi do instrumento, veja o endereço IP WiFi do instrumento.
    3. No computador, abra a página "IP do instrumento" deste programa, introduza esse endereço IP e ligue; com a ligação feita, o indicador no fundo da janela fica verde e aparece "Instrumento ligado".

Como preparar as amostras?
    R:
    1. Amostras líquidas: tome 200 μL de amostra, dilua com tampão de conservação e misture; depois adicione 200 μL ao poço LB para a lise.
    2. Amostras de urina: adicione diretamente 200 μL ao tubo LB.
    3. Amostras de zaragatoa: agite bem a zaragatoa no tampão de conservação; depois adicione 200 μL ao poço LB.

Se as amostras recolhidas não forem testadas logo, como devem ser guardadas? Por quanto tempo? Qual o efeito de ficarem à temperatura ambiente?
    R: Guarde-as refrigeradas e teste-as o mais depressa possível. Quanto mais tempo ficarem à temperatura ambiente, mais o ácido nucleico se degrada, o que pode enfraquecer o resultado ou até dar um falso negativo.

Por quanto tempo se pode guardar o ácido nucleico extraído?
    R: Depois da extração, coloque-o a 4 ℃ no prazo de 1 hora, fechado num tubo limpo e estéril ou na caixa de extração; recomenda-se fazer os testes seguintes no mesmo dia.

O que fazer se o extrator for posto a funcionar outra vez por engano depois de terminar a extração do ácido nucleico?
    R:
    1. Prima o botão RUN do extrator nos 3 minutos seguintes para o parar.
    2. Ou deixe terminar a segunda execução; o ácido nucleico extraído continua utilizável.

Pode-se marcar a tampa dos tubos de reagente de amplificação?
    R: Não. Uma marca na tampa perturba a leitura da fluorescência; marque apenas a parede lateral do tubo.

Se o tubo de amplificação com pó liofilizado ficar destapado durante a amplificação por PCR, qual é o efeito?
    R: O resultado deste teste é inválido.
    *Antes do teste seguinte, limpe e desinfete o bloco de reação do instrumento.

O Lorix pode ligar-se a vários aparelhos?
    R: Um computador só pode estar ligado a um instrumento de cada vez. Para usar vários instrumentos, ligue cada um a um computador diferente ou transfira os dados por USB.


Procedimento do teste:
    R:
    1. Prima o botão OPEN do instrumento para abrir a tampa e coloque as amostras.
    2. No instrumento, escolha o poço, a espécie (gato, cão ou exóticos) e o item de teste.
    3. Repita os passos acima para até 8 amostras (8 poços).
    4. Inicie a execução.</translation>
        </message>
        <message>
            <source>Preguntas frecuentes sobre Lorix Real-time PCR

¿Cómo conectar con el PC?
    R:
    1. En el instrumento, abra los ajustes de comunicación y conéctese a la misma red WiFi que el PC.
    2. Abra los detalles de WiFi del instrumento y anote su dirección IP WiFi.
    3. En el PC, abra la página "IP del instrumento" de este programa, introduzca esa dirección y conecte. Una vez conectado, el indicador de la parte inferior de la ventana se pone verde y muestra "Instrumento conectado".

¿Requisitos de muestreo?
    R: Para muestra líquida: diluya 200 μL de la muestra con tampón de conservación y mezcle; después añada 200 μL de la mezcla al pocillo LB para la lisis.

Para muestra de hisopo:
    R: Agite bien el hisopo en el tampón de conservación; después añada 200 μL del tampón al pocillo LB.

Si las muestras recogidas no se procesan de inmediato, ¿cómo deben conservarse? ¿Cuánto tiempo pueden conservarse?
    R: Manténgalas refrigeradas y analícelas en un plazo de tres días.

¿Cuánto tiempo puede conservarse el ácido nucleico extraído?
    R: Consérvelo sellado a 4 °C o a -20 °C dentro de la hora siguiente a la extracción.

¿Qué hago si el extractor vuelve a ponerse en marcha por accidente después de terminar la extracción del ácido nucleico?
    1. Pulse el botón RUN en los 3 minutos siguientes para detenerlo.
    2. O deje que termine la segunda ejecución; el ácido nucleico extraído puede seguir usándose.

¿Se puede marcar la tapa de los tubos de reactivo de amplificación?
    R: No. Una marca en la tapa altera la lectura de fluorescencia; marque solo la pared lateral del tubo.

Si el tubo de amplificación con polvo liofilizado no se tapa durante la amplificación por PCR, ¿afecta a la prueba?
    R: Sí, los resultados de esa ejecución no son válidos.
    * Limpie y desinfecte el bloque de reacción del instrumento antes de la siguiente prueba.

¿Puede el PC conectarse a varios instrumentos Lorix?
    R: No. Un PC se conecta a un solo instrumento a la vez. Para usar varios instrumentos, conecte cada uno a su propio ordenador o transfiera los datos por USB.


Procedimiento de prueba:
    R:
    1. Pulse el botón OPEN del instrumento para abrir la tapa y cargue las muestras.
    2. En el instrumento, elija el pocillo, la especie (gato, perro o exóticos) y el elemento de prueba.
    3. Repita el proceso para un máximo de 8 muestras (8 pocillos).
    4. Inicie la ejecución.</source>
            <translation>Perguntas frequentes

Como ligar o Lorix ao computador?
    R:
    1. No instrumento, abra as definições de comunicação e ligue-o à mesma rede WiFi do computador.
    2. Nos detalhes de WiFi do instrumento, veja o endereço IP WiFi do instrumento.
    3. No computador, abra a página "IP do instrumento" deste programa, introduza esse endereço IP e ligue; com a ligação feita, o indicador no fundo da janela fica verde e aparece "Instrumento ligado".

Como preparar as amostras?
    R:
    1. Amostras líquidas: tome 200 μL de amostra, dilua com tampão de conservação e misture; depois adicione 200 μL ao poço LB para a lise.
    2. Amostras de urina: adicione diretamente 200 μL ao tubo LB.
    3. Amostras de zaragatoa: agite bem a zaragatoa no tampão de conservação; depois adicione 200 μL ao poço LB.

Se as amostras recolhidas não forem testadas logo, como devem ser guardadas? Por quanto tempo? Qual o efeito de ficarem à temperatura ambiente?
    R: Guarde-as refrigeradas e teste-as o mais depressa possível. Quanto mais tempo ficarem à temperatura ambiente, mais o ácido nucleico se degrada, o que pode enfraquecer o resultado ou até dar um falso negativo.

Por quanto tempo se pode guardar o ácido nucleico extraído?
    R: Depois da extração, coloque-o a 4 ℃ no prazo de 1 hora, fechado num tubo limpo e estéril ou na caixa de extração; recomenda-se fazer os testes seguintes no mesmo dia.

O que fazer se o extrator for posto a funcionar outra vez por engano depois de terminar a extração do ácido nucleico?
    R:
    1. Prima o botão RUN do extrator nos 3 minutos seguintes para o parar.
    2. Ou deixe terminar a segunda execução; o ácido nucleico extraído continua utilizável.

Pode-se marcar a tampa dos tubos de reagente de amplificação?
    R: Não. Uma marca na tampa perturba a leitura da fluorescência; marque apenas a parede lateral do tubo.

Se o tubo de amplificação com pó liofilizado ficar destapado durante a amplificação por PCR, qual é o efeito?
    R: O resultado deste teste é inválido.
    *Antes do teste seguinte, limpe e desinfete o bloco de reação do instrumento.

O Lorix pode ligar-se a vários aparelhos?
    R: Um computador só pode estar ligado a um instrumento de cada vez. Para usar vários instrumentos, ligue cada um a um computador diferente ou transfira os dados por USB.


Procedimento do teste:
    R:
    1. Prima o botão OPEN do instrumento para abrir a tampa e coloque as amostras.
    2. No instrumento, escolha o poço, a espécie (gato, cão ou exóticos) e o item de teste.
    3. Repita os passos acima para até 8 amostras (8 poços).
    4. Inicie a execução.</translation>
        </message>
        <message>
            <source>Lorix Real-time PCR FAQs

How to connect with PC?
    A:
    1. On the instrument, open the communication settings and join the WiFi network that the PC is on.
    2. Open the WiFi details on the instrument and note its WiFi IP address.
    3. On the PC, open the "Instrument IP" page of this program, enter that address and connect. Once connected, the indicator at the bottom of the window turns green and shows "Instrument connected".

Sampling requirements?
    A:
    1. Liquid samples: dilute 200 μL of the sample with preservation buffer and mix, then add 200 μL of the mixture to the LB well for lysis.
    2. Swab samples: stir the swab well in preservation buffer, then add 200 μL of the buffer to the LB well.

If the collected samples are not processed immediately, how should they be stored? How long can they be stored?
    A: Keep them refrigerated and test them within three days.

How long can the extracted nucleic acid be stored?
    A: Store it sealed at 4 °C or -20 °C within 1 hour of extraction.

What should I do if the extraction instrument accidentally restart again after the nucleic acid extraction is completed?
    A:
    1. Press the RUN button within 3 minutes to stop the run.
    2. Or let the second run finish; the extracted nucleic acid can still be used.

Can the cap of amplification reagent tubes be marked?
    A: No. A mark on the cap disturbs the fluorescence reading; mark only the side wall of the tube.

If the lyophilized powder amplification tube is not capped during PCR amplification, will it affect the testing?
    A: Yes, the results of that run are invalid.
    * Clean and disinfect the reaction block of the instrument before the next test.

Can PC connect to multiple Lorixinstruments?
    A: No. One PC connects to one instrument at a time. To use several instruments, connect each one to its own computer, or transfer the data by USB.


Test Procedure:
    A:
    1. Press the OPEN button on the instrument to open the lid, and load the samples.
    2. On the instrument, choose the well, the species (cat, dog or exotics) and the test item.
    3. Repeat for up to 8 samples (8 wells).
    4. Start the run.</source>
            <translation>Perguntas frequentes

Como ligar o Lorix ao computador?
    R:
    1. No instrumento, abra as definições de comunicação e ligue-o à mesma rede WiFi do computador.
    2. Nos detalhes de WiFi do instrumento, veja o endereço IP WiFi do instrumento.
    3. No computador, abra a página "IP do instrumento" deste programa, introduza esse endereço IP e ligue; com a ligação feita, o indicador no fundo da janela fica verde e aparece "Instrumento ligado".

Como preparar as amostras?
    R:
    1. Amostras líquidas: tome 200 μL de amostra, dilua com tampão de conservação e misture; depois adicione 200 μL ao poço LB para a lise.
    2. Amostras de urina: adicione diretamente 200 μL ao tubo LB.
    3. Amostras de zaragatoa: agite bem a zaragatoa no tampão de conservação; depois adicione 200 μL ao poço LB.

Se as amostras recolhidas não forem testadas logo, como devem ser guardadas? Por quanto tempo? Qual o efeito de ficarem à temperatura ambiente?
    R: Guarde-as refrigeradas e teste-as o mais depressa possível. Quanto mais tempo ficarem à temperatura ambiente, mais o ácido nucleico se degrada, o que pode enfraquecer o resultado ou até dar um falso negativo.

Por quanto tempo se pode guardar o ácido nucleico extraído?
    R: Depois da extração, coloque-o a 4 ℃ no prazo de 1 hora, fechado num tubo limpo e estéril ou na caixa de extração; recomenda-se fazer os testes seguintes no mesmo dia.

O que fazer se o extrator for posto a funcionar outra vez por engano depois de terminar a extração do ácido nucleico?
    R:
    1. Prima o botão RUN do extrator nos 3 minutos seguintes para o parar.
    2. Ou deixe terminar a segunda execução; o ácido nucleico extraído continua utilizável.

Pode-se marcar a tampa dos tubos de reagente de amplificação?
    R: Não. Uma marca na tampa perturba a leitura da fluorescência; marque apenas a parede lateral do tubo.

Se o tubo de amplificação com pó liofilizado ficar destapado durante a amplificação por PCR, qual é o efeito?
    R: O resultado deste teste é inválido.
    *Antes do teste seguinte, limpe e desinfete o bloco de reação do instrumento.

O Lorix pode ligar-se a vários aparelhos?
    R: Um computador só pode estar ligado a um instrumento de cada vez. Para usar vários instrumentos, ligue cada um a um computador diferente ou transfira os dados por USB.


Procedimento do teste:
    R:
    1. Prima o botão OPEN do instrumento para abrir a tampa e coloque as amostras.
    2. No instrumento, escolha o poço, a espécie (gato, cão ou exóticos) e o item de teste.
    3. Repita os passos acima para até 8 amostras (8 poços).
    4. Inicie a execução.</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>Perguntas frequentes</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
    </context>
    <context>
        <name>HistoryData</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>接收進度</source>
            <translation>Recebimento</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consultar</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Relatório</translation>
        </message>
        <message>
            <source>擴增曲線</source>
            <translation>Curvas amp.</translation>
        </message>
        <message>
            <source>更新數據</source>
            <translation>Obter dados</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Outras configurações</translation>
        </message>
        <message>
            <source>孔位</source>
            <translation>Poço</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>ID da amostra</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>Item de teste</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Resultado</translation>
        </message>
        <message>
            <source>日期/時間</source>
            <translation>Data/Hora</translation>
        </message>
        <message>
            <source>智慧模式</source>
            <translation>Modo inteligente</translation>
        </message>
        <message>
            <source>選擇模式</source>
            <translation>Modo de seleção</translation>
        </message>
        <message>
            <source>取消查詢</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>數據更新完成！</source>
            <translation>Atualização de dados concluída!</translation>
        </message>
        <message>
            <source>選擇了多個樣本，
請選擇需要列印報告的樣本</source>
            <translation>Várias amostras selecionadas,
escolha a amostra do relatório</translation>
        </message>
        <message>
            <source>樣本測試時間不同，
請選擇需要列印報告的時間</source>
            <translation>A amostra foi testada em horários diferentes,
escolha o horário do relatório</translation>
        </message>
        <message>
            <source>沒有配對到數據!</source>
            <translation>Nenhum registro correspondente!</translation>
        </message>
        <message>
            <source>配對的數據記錄不能超過8條!</source>
            <translation>Um relatório admite no máximo 8 registros!</translation>
        </message>
        <message>
            <source>數據更新失敗！</source>
            <translation>Falha na atualização dos dados!</translation>
        </message>
        <message>
            <source>yyyy年MM月dd日 </source>
            <translation>dd/MM/yyyy </translation>
        </message>
        <message>
            <source>hh:mm:ss</source>
            <translation>hh:mm:ss</translation>
        </message>
        <message>
            <source>數據匯出失敗，無法寫入檔案：
%1</source>
            <translation>Falha na exportação: não é possível gravar o arquivo:
%1</translation>
        </message>
    </context>
    <context>
        <name>HospitalInfoEdit</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>範本編輯</source>
            <translation>Modelo do relatório</translation>
        </message>
        <message>
            <source>LOGO圖片：</source>
            <translation>Logótipo:</translation>
        </message>
        <message>
            <source>選擇圖片</source>
            <translation>Abrir logo</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Médico responsável:</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>Nome do hospital:</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>Telefone:</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>Endereço:</translation>
        </message>
        <message>
            <source>檔案儲存路徑：</source>
            <translation>Pasta dos PDF:</translation>
        </message>
        <message>
            <source>選擇</source>
            <translation>Escolher</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>置左</source>
            <translation>Esquerda</translation>
        </message>
        <message>
            <source>置右</source>
            <translation>Direita</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Abrir pasta</translation>
        </message>
        <message>
            <source>圖片檔</source>
            <translation>Ficheiros de imagem</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>Todos os ficheiros</translation>
        </message>
        <message>
            <source>選擇一個圖片檔</source>
            <translation>Escolha um ficheiro de imagem</translation>
        </message>
        <message>
            <source>保存成功！</source>
            <translation>Guardado com sucesso!</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>Falha ao guardar!</translation>
        </message>
        <message>
            <source>所選檔案不是可讀取的圖片！</source>
            <translation>O arquivo escolhido não é uma imagem legível!</translation>
        </message>
    </context>
    <context>
        <name>HttpFun</name>
        <message>
            <source>伺服器異常</source>
            <translation>falha do servidor</translation>
        </message>
        <message>
            <source>未知錯誤</source>
            <translation>erro desconhecido</translation>
        </message>
        <message>
            <source>代理錯誤</source>
            <translation>erro de proxy</translation>
        </message>
        <message>
            <source>報文數據錯誤</source>
            <translation>erro de conteúdo</translation>
        </message>
        <message>
            <source>協議錯誤</source>
            <translation>erro de protocolo</translation>
        </message>
        <message>
            <source>伺服器無法識別請求命令</source>
            <translation>o servidor não reconhece o pedido</translation>
        </message>
        <message>
            <source>伺服器校驗數據長度失敗</source>
            <translation>o servidor não validou o tamanho dos dados</translation>
        </message>
        <message>
            <source>清除服務器數據失敗</source>
            <translation>falha ao limpar os dados do servidor</translation>
        </message>
        <message>
            <source>儀器解析json數據失敗</source>
            <translation>não foi possível interpretar a resposta</translation>
        </message>
        <message>
            <source>儀器接受到錯誤的返回結果</source>
            <translation>resposta incorreta recebida</translation>
        </message>
        <message>
            <source>儀器校驗數據長度失敗</source>
            <translation>falha na verificação do tamanho</translation>
        </message>
        <message>
            <source>儀器請求伺服器超時</source>
            <translation>o servidor não respondeu a tempo</translation>
        </message>
        <message>
            <source>下載出錯，正在重試...</source>
            <translation>erro de download, tentando de novo...</translation>
        </message>
        <message>
            <source>校驗下載文件長度錯誤</source>
            <translation>o arquivo baixado falhou na verificação</translation>
        </message>
        <message>
            <source>下載文件校驗md5錯誤</source>
            <translation>o resumo do arquivo baixado está errado</translation>
        </message>
        <message>
            <source>不存在版本更新</source>
            <translation>não há atualização</translation>
        </message>
        <message>
            <source>伺服器沒有匹配到數據</source>
            <translation>o servidor não encontrou dados</translation>
        </message>
        <message>
            <source>數據庫沒有匹配到數據</source>
            <translation>o banco de dados não encontrou dados</translation>
        </message>
        <message>
            <source>系統文件損壞，請聯系廠家！</source>
            <translation>arquivo de sistema danificado, contate o fabricante!</translation>
        </message>
        <message>
            <source>軟件是最新版本！</source>
            <translation>o software está atualizado!</translation>
        </message>
        <message>
            <source>設備未綁定，請聯系廠家綁定！</source>
            <translation>equipamento não registrado, peça ao fabricante para registrá-lo!</translation>
        </message>
        <message>
            <source>上傳儀器軟件版本失敗！</source>
            <translation>falha ao enviar a versão do software!</translation>
        </message>
        <message>
            <source>網絡錯誤：</source>
            <translation>Erro de rede: </translation>
        </message>
    </context>
    <context>
        <name>LinkStatusIndicator</name>
        <message>
            <source>儀器掃描中</source>
            <translation>A procurar instrumentos</translation>
        </message>
        <message>
            <source>儀器掃描完成</source>
            <translation>Procura de instrumentos concluída</translation>
        </message>
        <message>
            <source>已連接儀器</source>
            <translation>Instrumento ligado</translation>
        </message>
        <message>
            <source>儀器連結已斷開</source>
            <translation>Instrumento desligado</translation>
        </message>
    </context>
    <context>
        <name>MachineConnect</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>儀器連接</source>
            <translation>Conexão do instrumento</translation>
        </message>
        <message>
            <source>電腦網卡：</source>
            <translation>Adaptador de rede:</translation>
        </message>
        <message>
            <source>掃描儀器</source>
            <translation>Procurar instrumentos</translation>
        </message>
        <message>
            <source>儀器名稱：</source>
            <translation>Nome do instrumento:</translation>
        </message>
        <message>
            <source>WiFi IP：</source>
            <translation>IP WiFi:</translation>
        </message>
        <message>
            <source>連接儀器</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>請檢查輸入</source>
            <translation>Verifique a entrada</translation>
        </message>
        <message>
            <source>設備和電腦可能不處於同一個局域網，請檢查！</source>
            <translation>O instrumento e o PC podem não estar na mesma rede local. Verifique!</translation>
        </message>
    </context>
    <context>
        <name>MachineOtherSet</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>数据更新</source>
            <translation>Atualizar dados</translation>
        </message>
        <message>
            <source>接收进度</source>
            <translation>Recebimento</translation>
        </message>
        <message>
            <source>更新数据库</source>
            <translation>Atualizar</translation>
        </message>
        <message>
            <source>加载文件</source>
            <translation>Carregar</translation>
        </message>
        <message>
            <source>其他设置</source>
            <translation>Outras configurações</translation>
        </message>
        <message>
            <source>数据更新完成！</source>
            <translation>Dados atualizados!</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>提示</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Sim</translation>
        </message>
        <message>
            <source>否</source>
            <translation>Não</translation>
        </message>
        <message>
            <source>確定</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>NavigationList</name>
        <message>
            <source>儀器IP設置</source>
            <translation>IP do instrumento</translation>
        </message>
        <message>
            <source>歷史數據</source>
            <translation>Histórico</translation>
        </message>
        <message>
            <source>數據匯入匯出</source>
            <translation>Importar/Exportar</translation>
        </message>
        <message>
            <source>範本設置</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Outros ajustes</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>Ajuda</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>Atualizações</translation>
        </message>
    </context>
    <context>
        <name>RealTimeCurve</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>实时曲线界面功能待开发，敬请期待。。。。。。</source>
            <translation>A visualização da curva em tempo real ainda está em desenvolvimento. Em breve...</translation>
        </message>
        <message>
            <source>实时曲线</source>
            <translation>Curva em tempo real</translation>
        </message>
    </context>
    <context>
        <name>SampleQueryDlg</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>樣本和時間</source>
            <translation>Amostra e data</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>ID da amostra</translation>
        </message>
        <message>
            <source>測量起止日期</source>
            <translation>Período do teste</translation>
        </message>
        <message>
            <source>--</source>
            <translation>--</translation>
        </message>
        <message>
            <source>樣本</source>
            <translation>Amostra</translation>
        </message>
        <message>
            <source>時間</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consultar</translation>
        </message>
        <message>
            <source>起止日期輸入錯誤，請重新輸入!</source>
            <translation>Período inválido, digite novamente!</translation>
        </message>
        <message>
            <source>樣本ID輸入錯誤，請重新輸入!</source>
            <translation>ID da amostra inválido, digite novamente!</translation>
        </message>
        <message>
            <source>未查詢到滿足條件的數據!</source>
            <translation>Nenhum registro atende à consulta!</translation>
        </message>
    </context>
    <context>
        <name>SampleReportDlg</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>    项目       Ct值       结果</source>
            <translation>    Item       Ct       Resultado</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>Visualizar</translation>
        </message>
        <message>
            <source>訊息編輯</source>
            <translation>Dados</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Tutor:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Raça:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Animal:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Espécie:</translation>
        </message>
        <message>
            <source>性别：</source>
            <translation>Sexo:</translation>
        </message>
        <message>
            <source>公</source>
            <translation>Macho</translation>
        </message>
        <message>
            <source>母</source>
            <translation>Fêmea</translation>
        </message>
        <message>
            <source>未知</source>
            <translation>Desconhecido</translation>
        </message>
        <message>
            <source>年齡：</source>
            <translation>Idade:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Tipo amostra:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>N.º caso:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contato:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Sintomas:</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Veterinário:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Data do teste:</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>Clínica:</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>Endereço:</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>Telefone:</translation>
        </message>
        <message>
            <source>報告匯出</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>列印</source>
            <translation>Imprimir</translation>
        </message>
        <message>
            <source>文件存储路径：</source>
            <translation>Salvar em:</translation>
        </message>
        <message>
            <source>选择</source>
            <translation>Escolher</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Voltar</translation>
        </message>
        <message>
            <source>預覽列印</source>
            <translation>Visualizar impressão</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Abrir pasta</translation>
        </message>
        <message>
            <source>報告圖片保存失敗！</source>
            <translation>Não foi possível salvar a imagem do relatório!</translation>
        </message>
        <message>
            <source>PDF檔案保存失敗，請檢查存儲路徑！</source>
            <translation>Não foi possível salvar o PDF, verifique a pasta!</translation>
        </message>
        <message>
            <source>日期编辑</source>
            <translation>Editar data</translation>
        </message>
        <message>
            <source>PCR檢測報告%1%2.pdf</source>
            <translation>Relatório PCR %1%2.pdf</translation>
        </message>
    </context>
    <context>
        <name>SampleSplineDlg</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>FAM</source>
            <translation>FAM</translation>
        </message>
        <message>
            <source>VIC</source>
            <translation>VIC</translation>
        </message>
        <message>
            <source>1</source>
            <translation>1</translation>
        </message>
        <message>
            <source>2</source>
            <translation>2</translation>
        </message>
        <message>
            <source>3</source>
            <translation>3</translation>
        </message>
        <message>
            <source>4</source>
            <translation>4</translation>
        </message>
        <message>
            <source>5</source>
            <translation>5</translation>
        </message>
        <message>
            <source>6</source>
            <translation>6</translation>
        </message>
        <message>
            <source>7</source>
            <translation>7</translation>
        </message>
        <message>
            <source>8</source>
            <translation>8</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>ID da amostra</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>Item de teste</translation>
        </message>
        <message>
            <source>Ct</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Resultado</translation>
        </message>
    </context>
    <context>
        <name>SampleText</name>
        <message>
            <source>++</source>
            <translation>++</translation>
        </message>
        <message>
            <source>-</source>
            <translation>-</translation>
        </message>
        <message>
            <source>+</source>
            <translation>+</translation>
        </message>
        <message>
            <source>+++</source>
            <translation>+++</translation>
        </message>
        <message>
            <source>*</source>
            <translation>*</translation>
        </message>
        <message>
            <source>Invalid</source>
            <translation>Inválido</translation>
        </message>
    </context>
    <context>
        <name>SystemLanSet</name>
        <message>
            <source>Form</source>
            <translation>Formulário</translation>
        </message>
        <message>
            <source>語言設置</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>字體設置</source>
            <translation>Tamanho da letra</translation>
        </message>
        <message>
            <source>小號</source>
            <translation>Pequeno</translation>
        </message>
        <message>
            <source>中號</source>
            <translation>Médio</translation>
        </message>
        <message>
            <source>大號</source>
            <translation>Grande</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>Falha ao guardar!</translation>
        </message>
        <message>
            <source>設置成功！</source>
            <translation>Definição aplicada!</translation>
        </message>
    </context>
    <context>
        <name>Vireon</name>
        <message>
            <source>儀器連接狀態</source>
            <translation>Estado da ligação do instrumento</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Relatório</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consulta</translation>
        </message>
        <message>
            <source>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</source>
            <translation>O ficheiro de base de dados recebido é inválido. Os dados não foram atualizados; os dados existentes mantêm-se.</translation>
        </message>
        <message>
            <source>伺服器存在軟件更新，請及時更新！</source>
            <translation>Existe uma atualização de software no servidor. Atualize em breve!</translation>
        </message>
    </context>
</TS>
