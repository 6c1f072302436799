<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_TW">
    <context>
        <name>AppStartup</name>
        <message>
            <source>程序已運行！</source>
            <translation>程序已運行！</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>資料庫密碼錯誤或者已損壞，原檔已備份</source>
            <translation>資料庫密碼錯誤或者已損壞，原檔已備份</translation>
        </message>
        <message>
            <source>無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動</source>
            <translation>無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動</translation>
        </message>
    </context>
    <context>
        <name>CheckUpdateWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>下載升級包</source>
            <translation>下載升級包</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>檢查更新</translation>
        </message>
        <message>
            <source>未檢測到升級包！</source>
            <translation>未檢測到升級包！</translation>
        </message>
        <message>
            <source>檢測到網絡升級包，是否進行升級？</source>
            <translation>檢測到網絡升級包，是否進行升級？</translation>
        </message>
        <message>
            <source>正在下載升級包... 0%</source>
            <translation>正在下載升級包... 0%</translation>
        </message>
        <message>
            <source>正在下載升級包%1%...</source>
            <translation>正在下載升級包%1%...</translation>
        </message>
        <message>
            <source>升級包下載成功</source>
            <translation>升級包下載成功</translation>
        </message>
        <message>
            <source>升級包下載成功，是否進行升級？</source>
            <translation>升級包下載成功，是否進行升級？</translation>
        </message>
        <message>
            <source>升級程式無法啟動！</source>
            <translation>升級程式無法啟動！</translation>
        </message>
    </context>
    <context>
        <name>ChooseDialog</name>
        <message>
            <source>確定</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>Common</name>
        <message>
            <source>犬細小病毒</source>
            <translation>犬細小病毒</translation>
        </message>
        <message>
            <source>犬瘟熱病毒</source>
            <translation>犬瘟熱病毒</translation>
        </message>
        <message>
            <source>犬冠狀病毒</source>
            <translation>犬冠狀病毒</translation>
        </message>
        <message>
            <source>犬腺病毒</source>
            <translation>犬腺病毒</translation>
        </message>
        <message>
            <source>犬副流感病毒</source>
            <translation>犬副流感病毒</translation>
        </message>
        <message>
            <source>貓泛白血球減少症病毒</source>
            <translation>貓泛白血球減少症病毒</translation>
        </message>
        <message>
            <source>貓疱疹病毒</source>
            <translation>貓疱疹病毒</translation>
        </message>
        <message>
            <source>貓杯狀病毒</source>
            <translation>貓杯狀病毒</translation>
        </message>
        <message>
            <source>貓冠狀病毒</source>
            <translation>貓冠狀病毒</translation>
        </message>
        <message>
            <source>貓白血病病毒</source>
            <translation>貓白血病病毒</translation>
        </message>
        <message>
            <source>貓免疫缺陷病毒</source>
            <translation>貓免疫缺陷病毒</translation>
        </message>
        <message>
            <source>鉤端螺旋體</source>
            <translation>鉤端螺旋體</translation>
        </message>
        <message>
            <source>巴貝斯蟲</source>
            <translation>巴貝斯蟲</translation>
        </message>
        <message>
            <source>艾利希體</source>
            <translation>艾利希體</translation>
        </message>
        <message>
            <source>無形體</source>
            <translation>無形體</translation>
        </message>
        <message>
            <source>貓血支原體</source>
            <translation>貓血支原體</translation>
        </message>
        <message>
            <source>賈第鞭毛蟲</source>
            <translation>賈第鞭毛蟲</translation>
        </message>
        <message>
            <source>弓形蟲</source>
            <translation>弓形蟲</translation>
        </message>
        <message>
            <source>貓衣原體</source>
            <translation>貓衣原體</translation>
        </message>
        <message>
            <source>支氣管敗血性博德氏菌</source>
            <translation>支氣管敗血性博德氏菌</translation>
        </message>
        <message>
            <source>犬心絲蟲</source>
            <translation>犬心絲蟲</translation>
        </message>
        <message>
            <source>鸚鵡熱衣原體</source>
            <translation>鸚鵡熱衣原體</translation>
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
            <translation>Form</translation>
        </message>
        <message>
            <source>匯入匯出</source>
            <translation>匯入匯出</translation>
        </message>
        <message>
            <source>匯入數據</source>
            <translation>匯入數據</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>匯出數據</translation>
        </message>
        <message>
            <source>數據管理</source>
            <translation>數據管理</translation>
        </message>
        <message>
            <source>資料庫檔案</source>
            <translation>資料庫檔案</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>所有文件</translation>
        </message>
        <message>
            <source>選擇一個資料庫</source>
            <translation>選擇一個資料庫</translation>
        </message>
        <message>
            <source>資料庫檔案匯入成功！</source>
            <translation>資料庫檔案匯入成功！</translation>
        </message>
        <message>
            <source>資料庫檔案匯入失敗！</source>
            <translation>資料庫檔案匯入失敗！</translation>
        </message>
        <message>
            <source>保存為資料庫檔案</source>
            <translation>保存為資料庫檔案</translation>
        </message>
        <message>
            <source>資料庫檔案匯出成功！</source>
            <translation>資料庫檔案匯出成功！</translation>
        </message>
        <message>
            <source>資料庫檔案匯出失敗！</source>
            <translation>資料庫檔案匯出失敗！</translation>
        </message>
        <message>
            <source>檔案已存在，是否取代？
%1</source>
            <translation>檔案已存在，是否取代？
%1</translation>
        </message>
    </context>
    <context>
        <name>DatetimeEditDialog</name>
        <message>
            <source>年</source>
            <translation>年</translation>
        </message>
        <message>
            <source>月</source>
            <translation>月</translation>
        </message>
        <message>
            <source>日</source>
            <translation>日</translation>
        </message>
        <message>
            <source>時</source>
            <translation>時</translation>
        </message>
        <message>
            <source>分</source>
            <translation>分</translation>
        </message>
        <message>
            <source>秒</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>確定</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>DrawPrintTemplate</name>
        <message>
            <source>即時螢光PCR檢測報告</source>
            <translation>即時螢光PCR檢測報告</translation>
        </message>
        <message>
            <source>醫院地址:</source>
            <translation>醫院地址:</translation>
        </message>
        <message>
            <source>醫院電話:</source>
            <translation>醫院電話:</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>寵物主人：</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>寵物品種：</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>病歷號碼：</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>寵物名：</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>寵物類型：</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>連繫電話：</translation>
        </message>
        <message>
            <source>寵物性別：</source>
            <translation>寵物性別：</translation>
        </message>
        <message>
            <source>寵物年齡：</source>
            <translation>寵物年齡：</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>檢測時間：</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>樣本類型：</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>臨床症狀：</translation>
        </message>
        <message>
            <source>擴增曲線：</source>
            <translation>擴增曲線：</translation>
        </message>
        <message>
            <source>檢測結果：</source>
            <translation>檢測結果：</translation>
        </message>
        <message>
            <source>檢測項目</source>
            <translation>檢測項目</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct值</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>結果</translation>
        </message>
        <message>
            <source>參考標準</source>
            <translation>參考標準</translation>
        </message>
        <message>
            <source>        Ct = 0: 陰性(-)</source>
            <translation>        Ct = 0: 陰性(-)</translation>
        </message>
        <message>
            <source>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</source>
            <translation>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</translation>
        </message>
        <message>
            <source> 10 &lt; Ct ≦ 20: 強陽性(+++)</source>
            <translation> 10 &lt; Ct ≦ 20: 強陽性(+++)</translation>
        </message>
        <message>
            <source> 20 &lt; Ct ≦ 30: 陽性(++)</source>
            <translation> 20 &lt; Ct ≦ 30: 陽性(++)</translation>
        </message>
        <message>
            <source> 30 &lt; Ct &lt; 36: 弱陽性(+)</source>
            <translation> 30 &lt; Ct &lt; 36: 弱陽性(+)</translation>
        </message>
        <message>
            <source> 36 ≦ Ct ≦40: 疑似(*)</source>
            <translation> 36 ≦ Ct ≦40: 疑似(*)</translation>
        </message>
        <message>
            <source>結果說明:</source>
            <translation>結果說明:</translation>
        </message>
        <message>
            <source>1. 陽性結果：樣本中檢測到相關病原體基因；</source>
            <translation>1. 陽性結果：樣本中檢測到相關病原體基因；</translation>
        </message>
        <message>
            <source>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</source>
            <translation>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</translation>
        </message>
        <message>
            <source>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</source>
            <translation>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</translation>
        </message>
        <message>
            <source>報告日期：</source>
            <translation>報告日期：</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>主治醫師：</translation>
        </message>
        <message>
            <source>聲明: </source>
            <translation>聲明: </translation>
        </message>
        <message>
            <source>該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。</source>
            <translation>該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。</translation>
        </message>
        <message>
            <source>列印日期:</source>
            <translation>列印日期:</translation>
        </message>
        <message>
            <source>Real-time PCR Test Report</source>
            <translation>Real-time PCR Test Report</translation>
        </message>
        <message>
            <source>指標</source>
            <translation>指標</translation>
        </message>
        <message>
            <source>列印時間</source>
            <translation>列印時間</translation>
        </message>
        <message>
            <source>【本結果只對本次檢驗樣本負責】</source>
            <translation>【本結果只對本次檢驗樣本負責】</translation>
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
            <translation>常見問題

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
    4. 開始運行。</translation>
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
            <translation>Preguntas frecuentes sobre Lorix Real-time PCR

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
    4. Inicie la ejecución.</translation>
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
            <translation>Lorix Real-time PCR FAQs

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
    4. Start the run.</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>常見問題</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
    <context>
        <name>HistoryData</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>接收進度</source>
            <translation>接收進度</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>查詢</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>報告</translation>
        </message>
        <message>
            <source>擴增曲線</source>
            <translation>擴增曲線</translation>
        </message>
        <message>
            <source>更新數據</source>
            <translation>更新數據</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>匯出數據</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>其他設置</translation>
        </message>
        <message>
            <source>孔位</source>
            <translation>孔位</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>樣本ID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>檢測品項</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct值</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>結果</translation>
        </message>
        <message>
            <source>日期/時間</source>
            <translation>日期/時間</translation>
        </message>
        <message>
            <source>智慧模式</source>
            <translation>智慧模式</translation>
        </message>
        <message>
            <source>選擇模式</source>
            <translation>選擇模式</translation>
        </message>
        <message>
            <source>取消查詢</source>
            <translation>取消查詢</translation>
        </message>
        <message>
            <source>數據更新完成！</source>
            <translation>數據更新完成！</translation>
        </message>
        <message>
            <source>選擇了多個樣本，
請選擇需要列印報告的樣本</source>
            <translation>選擇了多個樣本，
請選擇需要列印報告的樣本</translation>
        </message>
        <message>
            <source>樣本測試時間不同，
請選擇需要列印報告的時間</source>
            <translation>樣本測試時間不同，
請選擇需要列印報告的時間</translation>
        </message>
        <message>
            <source>沒有配對到數據!</source>
            <translation>沒有配對到數據!</translation>
        </message>
        <message>
            <source>配對的數據記錄不能超過8條!</source>
            <translation>配對的數據記錄不能超過8條!</translation>
        </message>
        <message>
            <source>數據更新失敗！</source>
            <translation>數據更新失敗！</translation>
        </message>
        <message>
            <source>yyyy年MM月dd日 </source>
            <translation>yyyy年MM月dd日 </translation>
        </message>
        <message>
            <source>hh:mm:ss</source>
            <translation>hh:mm:ss</translation>
        </message>
        <message>
            <source>數據匯出失敗，無法寫入檔案：
%1</source>
            <translation>數據匯出失敗，無法寫入檔案：
%1</translation>
        </message>
    </context>
    <context>
        <name>HospitalInfoEdit</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>範本編輯</source>
            <translation>範本編輯</translation>
        </message>
        <message>
            <source>LOGO圖片：</source>
            <translation>LOGO圖片：</translation>
        </message>
        <message>
            <source>選擇圖片</source>
            <translation>選擇圖片</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>主治醫師：</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>醫院名稱：</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>醫院電話：</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>醫院地址：</translation>
        </message>
        <message>
            <source>檔案儲存路徑：</source>
            <translation>檔案儲存路徑：</translation>
        </message>
        <message>
            <source>選擇</source>
            <translation>選擇</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>置左</source>
            <translation>置左</translation>
        </message>
        <message>
            <source>置右</source>
            <translation>置右</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Open Directory</translation>
        </message>
        <message>
            <source>圖片檔</source>
            <translation>圖片檔</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>所有文件</translation>
        </message>
        <message>
            <source>選擇一個圖片檔</source>
            <translation>選擇一個圖片檔</translation>
        </message>
        <message>
            <source>保存成功！</source>
            <translation>保存成功！</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>保存失敗！</translation>
        </message>
        <message>
            <source>所選檔案不是可讀取的圖片！</source>
            <translation>所選檔案不是可讀取的圖片！</translation>
        </message>
    </context>
    <context>
        <name>HttpFun</name>
        <message>
            <source>伺服器異常</source>
            <translation>伺服器異常</translation>
        </message>
        <message>
            <source>未知錯誤</source>
            <translation>未知錯誤</translation>
        </message>
        <message>
            <source>代理錯誤</source>
            <translation>代理錯誤</translation>
        </message>
        <message>
            <source>報文數據錯誤</source>
            <translation>報文數據錯誤</translation>
        </message>
        <message>
            <source>協議錯誤</source>
            <translation>協議錯誤</translation>
        </message>
        <message>
            <source>伺服器無法識別請求命令</source>
            <translation>伺服器無法識別請求命令</translation>
        </message>
        <message>
            <source>伺服器校驗數據長度失敗</source>
            <translation>伺服器校驗數據長度失敗</translation>
        </message>
        <message>
            <source>清除服務器數據失敗</source>
            <translation>清除服務器數據失敗</translation>
        </message>
        <message>
            <source>儀器解析json數據失敗</source>
            <translation>儀器解析json數據失敗</translation>
        </message>
        <message>
            <source>儀器接受到錯誤的返回結果</source>
            <translation>儀器接受到錯誤的返回結果</translation>
        </message>
        <message>
            <source>儀器校驗數據長度失敗</source>
            <translation>儀器校驗數據長度失敗</translation>
        </message>
        <message>
            <source>儀器請求伺服器超時</source>
            <translation>儀器請求伺服器超時</translation>
        </message>
        <message>
            <source>下載出錯，正在重試...</source>
            <translation>下載出錯，正在重試...</translation>
        </message>
        <message>
            <source>校驗下載文件長度錯誤</source>
            <translation>校驗下載文件長度錯誤</translation>
        </message>
        <message>
            <source>下載文件校驗md5錯誤</source>
            <translation>下載文件校驗md5錯誤</translation>
        </message>
        <message>
            <source>不存在版本更新</source>
            <translation>不存在版本更新</translation>
        </message>
        <message>
            <source>伺服器沒有匹配到數據</source>
            <translation>伺服器沒有匹配到數據</translation>
        </message>
        <message>
            <source>數據庫沒有匹配到數據</source>
            <translation>數據庫沒有匹配到數據</translation>
        </message>
        <message>
            <source>系統文件損壞，請聯系廠家！</source>
            <translation>系統文件損壞，請聯系廠家！</translation>
        </message>
        <message>
            <source>軟件是最新版本！</source>
            <translation>軟件是最新版本！</translation>
        </message>
        <message>
            <source>設備未綁定，請聯系廠家綁定！</source>
            <translation>設備未綁定，請聯系廠家綁定！</translation>
        </message>
        <message>
            <source>上傳儀器軟件版本失敗！</source>
            <translation>上傳儀器軟件版本失敗！</translation>
        </message>
        <message>
            <source>網絡錯誤：</source>
            <translation>網絡錯誤：</translation>
        </message>
    </context>
    <context>
        <name>LinkStatusIndicator</name>
        <message>
            <source>儀器掃描中</source>
            <translation>儀器掃描中</translation>
        </message>
        <message>
            <source>儀器掃描完成</source>
            <translation>儀器掃描完成</translation>
        </message>
        <message>
            <source>已連接儀器</source>
            <translation>已連接儀器</translation>
        </message>
        <message>
            <source>儀器連結已斷開</source>
            <translation>儀器連結已斷開</translation>
        </message>
    </context>
    <context>
        <name>MachineConnect</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>儀器連接</source>
            <translation>儀器連接</translation>
        </message>
        <message>
            <source>電腦網卡：</source>
            <translation>電腦網卡：</translation>
        </message>
        <message>
            <source>掃描儀器</source>
            <translation>掃描儀器</translation>
        </message>
        <message>
            <source>儀器名稱：</source>
            <translation>儀器名稱：</translation>
        </message>
        <message>
            <source>WiFi IP：</source>
            <translation>WiFi IP：</translation>
        </message>
        <message>
            <source>連接儀器</source>
            <translation>連接儀器</translation>
        </message>
        <message>
            <source>請檢查輸入</source>
            <translation>請檢查輸入</translation>
        </message>
        <message>
            <source>設備和電腦可能不處於同一個局域網，請檢查！</source>
            <translation>設備和電腦可能不處於同一個局域網，請檢查！</translation>
        </message>
    </context>
    <context>
        <name>MachineOtherSet</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>数据更新</source>
            <translation>數據更新</translation>
        </message>
        <message>
            <source>接收进度</source>
            <translation>接收進度</translation>
        </message>
        <message>
            <source>更新数据库</source>
            <translation>更新資料庫</translation>
        </message>
        <message>
            <source>加载文件</source>
            <translation>載入檔案</translation>
        </message>
        <message>
            <source>其他设置</source>
            <translation>其他設置</translation>
        </message>
        <message>
            <source>数据更新完成！</source>
            <translation>數據更新完成！</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>提示</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>是</source>
            <translation>是</translation>
        </message>
        <message>
            <source>否</source>
            <translation>否</translation>
        </message>
        <message>
            <source>確定</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>NavigationList</name>
        <message>
            <source>儀器IP設置</source>
            <translation>儀器IP設置</translation>
        </message>
        <message>
            <source>歷史數據</source>
            <translation>歷史數據</translation>
        </message>
        <message>
            <source>數據匯入匯出</source>
            <translation>數據匯入匯出</translation>
        </message>
        <message>
            <source>範本設置</source>
            <translation>範本設置</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>其他設置</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>常見問題</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>檢查更新</translation>
        </message>
    </context>
    <context>
        <name>RealTimeCurve</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>实时曲线界面功能待开发，敬请期待。。。。。。</source>
            <translation>即時曲線介面功能待開發，敬請期待。。。。。。</translation>
        </message>
        <message>
            <source>实时曲线</source>
            <translation>即時曲線</translation>
        </message>
    </context>
    <context>
        <name>SampleQueryDlg</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>樣本和時間</source>
            <translation>樣本和時間</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>樣本ID</translation>
        </message>
        <message>
            <source>測量起止日期</source>
            <translation>測量起止日期</translation>
        </message>
        <message>
            <source>--</source>
            <translation>--</translation>
        </message>
        <message>
            <source>樣本</source>
            <translation>樣本</translation>
        </message>
        <message>
            <source>時間</source>
            <translation>時間</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>查詢</translation>
        </message>
        <message>
            <source>起止日期輸入錯誤，請重新輸入!</source>
            <translation>起止日期輸入錯誤，請重新輸入!</translation>
        </message>
        <message>
            <source>樣本ID輸入錯誤，請重新輸入!</source>
            <translation>樣本ID輸入錯誤，請重新輸入!</translation>
        </message>
        <message>
            <source>未查詢到滿足條件的數據!</source>
            <translation>未查詢到滿足條件的數據!</translation>
        </message>
    </context>
    <context>
        <name>SampleReportDlg</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>    项目       Ct值       结果</source>
            <translation>    項目       Ct值       結果</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>列印預覽</translation>
        </message>
        <message>
            <source>訊息編輯</source>
            <translation>訊息編輯</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>寵物主人：</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>寵物品種：</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>寵物名：</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>寵物類型：</translation>
        </message>
        <message>
            <source>性别：</source>
            <translation>性別：</translation>
        </message>
        <message>
            <source>公</source>
            <translation>公</translation>
        </message>
        <message>
            <source>母</source>
            <translation>母</translation>
        </message>
        <message>
            <source>未知</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>年齡：</source>
            <translation>年齡：</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>樣本類型：</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>病歷號碼：</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>連繫電話：</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>臨床症狀：</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>主治醫師：</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>檢測時間：</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>醫院名稱：</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>醫院地址：</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>醫院電話：</translation>
        </message>
        <message>
            <source>報告匯出</source>
            <translation>報告匯出</translation>
        </message>
        <message>
            <source>列印</source>
            <translation>列印</translation>
        </message>
        <message>
            <source>文件存储路径：</source>
            <translation>檔案儲存路徑：</translation>
        </message>
        <message>
            <source>选择</source>
            <translation>選擇</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>返回</translation>
        </message>
        <message>
            <source>預覽列印</source>
            <translation>預覽列印</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Open Directory</translation>
        </message>
        <message>
            <source>報告圖片保存失敗！</source>
            <translation>報告圖片保存失敗！</translation>
        </message>
        <message>
            <source>PDF檔案保存失敗，請檢查存儲路徑！</source>
            <translation>PDF檔案保存失敗，請檢查存儲路徑！</translation>
        </message>
        <message>
            <source>日期编辑</source>
            <translation>日期編輯</translation>
        </message>
        <message>
            <source>PCR檢測報告%1%2.pdf</source>
            <translation>PCR檢測報告%1%2.pdf</translation>
        </message>
    </context>
    <context>
        <name>SampleSplineDlg</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
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
            <translation>樣本ID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>檢測品項</translation>
        </message>
        <message>
            <source>Ct</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>結果</translation>
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
            <translation>無效</translation>
        </message>
    </context>
    <context>
        <name>SystemLanSet</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>語言設置</source>
            <translation>語言設置</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>字體設置</source>
            <translation>字體設置</translation>
        </message>
        <message>
            <source>小號</source>
            <translation>小號</translation>
        </message>
        <message>
            <source>中號</source>
            <translation>中號</translation>
        </message>
        <message>
            <source>大號</source>
            <translation>大號</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>保存失敗！</translation>
        </message>
        <message>
            <source>設置成功！</source>
            <translation>設置成功！</translation>
        </message>
    </context>
    <context>
        <name>Vireon</name>
        <message>
            <source>儀器連接狀態</source>
            <translation>儀器連接狀態</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>報告</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>查詢</translation>
        </message>
        <message>
            <source>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</source>
            <translation>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</translation>
        </message>
        <message>
            <source>伺服器存在軟件更新，請及時更新！</source>
            <translation>伺服器存在軟件更新，請及時更新！</translation>
        </message>
    </context>
</TS>
