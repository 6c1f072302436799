<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
    <context>
        <name>AppStartup</name>
        <message>
            <source>程序已運行！</source>
            <translation>The program is already running!</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Notice</translation>
        </message>
        <message>
            <source>資料庫密碼錯誤或者已損壞，原檔已備份</source>
            <translation>The database password is wrong or the database is damaged. The original file has been backed up.</translation>
        </message>
        <message>
            <source>無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動</source>
            <translation>The database cannot be read. The program will close; please check the disk and start it again.</translation>
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
            <translation>Download update</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>Check for updates</translation>
        </message>
        <message>
            <source>未檢測到升級包！</source>
            <translation>No update package found!</translation>
        </message>
        <message>
            <source>檢測到網絡升級包，是否進行升級？</source>
            <translation>An update package is available. Update now?</translation>
        </message>
        <message>
            <source>正在下載升級包... 0%</source>
            <translation>Downloading the update... 0%</translation>
        </message>
        <message>
            <source>正在下載升級包%1%...</source>
            <translation>Downloading the update %1%...</translation>
        </message>
        <message>
            <source>升級包下載成功</source>
            <translation>Update downloaded</translation>
        </message>
        <message>
            <source>升級包下載成功，是否進行升級？</source>
            <translation>The update was downloaded. Update now?</translation>
        </message>
        <message>
            <source>升級程式無法啟動！</source>
            <translation>The updater could not be started!</translation>
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
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>Common</name>
        <message>
            <source>犬細小病毒</source>
            <translation>Canine parvovirus</translation>
        </message>
        <message>
            <source>犬瘟熱病毒</source>
            <translation>Canine distemper virus</translation>
        </message>
        <message>
            <source>犬冠狀病毒</source>
            <translation>Canine coronavirus</translation>
        </message>
        <message>
            <source>犬腺病毒</source>
            <translation>Canine adenovirus</translation>
        </message>
        <message>
            <source>犬副流感病毒</source>
            <translation>Canine parainfluenza virus</translation>
        </message>
        <message>
            <source>貓泛白血球減少症病毒</source>
            <translation>Feline panleukopenia virus</translation>
        </message>
        <message>
            <source>貓疱疹病毒</source>
            <translation>Feline herpesvirus</translation>
        </message>
        <message>
            <source>貓杯狀病毒</source>
            <translation>Feline calicivirus</translation>
        </message>
        <message>
            <source>貓冠狀病毒</source>
            <translation>Feline coronavirus</translation>
        </message>
        <message>
            <source>貓白血病病毒</source>
            <translation>Feline leukemia virus</translation>
        </message>
        <message>
            <source>貓免疫缺陷病毒</source>
            <translation>Feline immunodeficiency virus</translation>
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
            <translation>Giardia</translation>
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
            <translation>Heartworm (Dirofilaria immitis)</translation>
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
            <translation>Form</translation>
        </message>
        <message>
            <source>匯入匯出</source>
            <translation>Import and export</translation>
        </message>
        <message>
            <source>匯入數據</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>數據管理</source>
            <translation>Data management</translation>
        </message>
        <message>
            <source>資料庫檔案</source>
            <translation>Database files</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>All files</translation>
        </message>
        <message>
            <source>選擇一個資料庫</source>
            <translation>Choose a database</translation>
        </message>
        <message>
            <source>資料庫檔案匯入成功！</source>
            <translation>Database imported successfully!</translation>
        </message>
        <message>
            <source>資料庫檔案匯入失敗！</source>
            <translation>Database import failed!</translation>
        </message>
        <message>
            <source>保存為資料庫檔案</source>
            <translation>Save as database file</translation>
        </message>
        <message>
            <source>資料庫檔案匯出成功！</source>
            <translation>Database exported successfully!</translation>
        </message>
        <message>
            <source>資料庫檔案匯出失敗！</source>
            <translation>Database export failed!</translation>
        </message>
        <message>
            <source>檔案已存在，是否取代？
%1</source>
            <translation>The file already exists. Replace it?
%1</translation>
        </message>
    </context>
    <context>
        <name>DatetimeEditDialog</name>
        <message>
            <source>年</source>
            <translation> y</translation>
        </message>
        <message>
            <source>月</source>
            <translation> mo</translation>
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
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>DrawPrintTemplate</name>
        <message>
            <source>即時螢光PCR檢測報告</source>
            <translation>Real-time PCR Test Report</translation>
        </message>
        <message>
            <source>醫院地址:</source>
            <translation>Address:</translation>
        </message>
        <message>
            <source>醫院電話:</source>
            <translation>Phone:</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Owner:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Breed:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>Case no.:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Pet:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Species:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contact:</translation>
        </message>
        <message>
            <source>寵物性別：</source>
            <translation>Sex:</translation>
        </message>
        <message>
            <source>寵物年齡：</source>
            <translation>Age:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Test date:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Sample:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Symptoms:</translation>
        </message>
        <message>
            <source>擴增曲線：</source>
            <translation>Curves:</translation>
        </message>
        <message>
            <source>檢測結果：</source>
            <translation>Results:</translation>
        </message>
        <message>
            <source>檢測項目</source>
            <translation>Test item</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Result</translation>
        </message>
        <message>
            <source>參考標準</source>
            <translation>Reference</translation>
        </message>
        <message>
            <source>        Ct = 0: 陰性(-)</source>
            <translation>        Ct = 0: negative(-)</translation>
        </message>
        <message>
            <source>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</source>
            <translation>  0 &lt; Ct ≦ 10: invalid (retest advised)</translation>
        </message>
        <message>
            <source> 10 &lt; Ct ≦ 20: 強陽性(+++)</source>
            <translation> 10 &lt; Ct ≦ 20: strong positive(+++)</translation>
        </message>
        <message>
            <source> 20 &lt; Ct ≦ 30: 陽性(++)</source>
            <translation> 20 &lt; Ct ≦ 30: positive(++)</translation>
        </message>
        <message>
            <source> 30 &lt; Ct &lt; 36: 弱陽性(+)</source>
            <translation> 30 &lt; Ct &lt; 36: weak positive(+)</translation>
        </message>
        <message>
            <source> 36 ≦ Ct ≦40: 疑似(*)</source>
            <translation> 36 ≦ Ct ≦40: suspect(*)</translation>
        </message>
        <message>
            <source>結果說明:</source>
            <translation>Notes:</translation>
        </message>
        <message>
            <source>1. 陽性結果：樣本中檢測到相關病原體基因；</source>
            <translation>1. Positive: genes of the pathogen were detected in the sample;</translation>
        </message>
        <message>
            <source>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</source>
            <translation>2. Negative: no genes of the pathogen, or below the detection limit;</translation>
        </message>
        <message>
            <source>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</source>
            <translation>3. Results alone neither confirm nor exclude a diagnosis; they only assist the veterinarian.</translation>
        </message>
        <message>
            <source>報告日期：</source>
            <translation>Reported:</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Doctor:</translation>
        </message>
        <message>
            <source>聲明: </source>
            <translation>Note: </translation>
        </message>
        <message>
            <source>該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。</source>
            <translation>Valid for the tested sample only, for clinical reference. Questions: contact us within 3 working days.</translation>
        </message>
        <message>
            <source>列印日期:</source>
            <translation>Printed: </translation>
        </message>
        <message>
            <source>Real-time PCR Test Report</source>
            <translation>Real-time PCR Test Report</translation>
        </message>
        <message>
            <source>指標</source>
            <translation>Indicator</translation>
        </message>
        <message>
            <source>列印時間</source>
            <translation>Printed at</translation>
        </message>
        <message>
            <source>【本結果只對本次檢驗樣本負責】</source>
            <translation>[This result applies only to the sample tested]</translation>
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

Can PC connect to multiple Lorix instruments?
    A: No. One PC connects to one instrument at a time. To use several instruments, connect each one to its own computer, or transfer the data by USB.


Test Procedure:
    A:
    1. Press the OPEN button on the instrument to open the lid, and load the samples.
    2. On the instrument, choose the well, the species (cat, dog or exotics) and the test item.
    3. Repeat for up to 8 samples (8 wells).
    4. Start the run.</translation>
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

Can PC connect to multiple Lorix instruments?
    A: No. One PC connects to one instrument at a time. To use several instruments, connect each one to its own computer, or transfer the data by USB.


Test Procedure:
    A:
    1. Press the OPEN button on the instrument to open the lid, and load the samples.
    2. On the instrument, choose the well, the species (cat, dog or exotics) and the test item.
    3. Repeat for up to 8 samples (8 wells).
    4. Start the run.</translation>
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

Can PC connect to multiple Lorix instruments?
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
            <translation>FAQ</translation>
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
            <translation>Receiving</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Query</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Report</translation>
        </message>
        <message>
            <source>擴增曲線</source>
            <translation>Amp. curves</translation>
        </message>
        <message>
            <source>更新數據</source>
            <translation>Update data</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>Export data</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Other settings</translation>
        </message>
        <message>
            <source>孔位</source>
            <translation>Well</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>Sample ID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>Test item</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Result</translation>
        </message>
        <message>
            <source>日期/時間</source>
            <translation>Date/Time</translation>
        </message>
        <message>
            <source>智慧模式</source>
            <translation>Smart mode</translation>
        </message>
        <message>
            <source>選擇模式</source>
            <translation>Selection mode</translation>
        </message>
        <message>
            <source>取消查詢</source>
            <translation>Cancel query</translation>
        </message>
        <message>
            <source>數據更新完成！</source>
            <translation>Data update complete!</translation>
        </message>
        <message>
            <source>選擇了多個樣本，
請選擇需要列印報告的樣本</source>
            <translation>Several samples are selected,
choose the sample to report</translation>
        </message>
        <message>
            <source>樣本測試時間不同，
請選擇需要列印報告的時間</source>
            <translation>The sample was tested at different times,
choose the time to report</translation>
        </message>
        <message>
            <source>沒有配對到數據!</source>
            <translation>No matching records!</translation>
        </message>
        <message>
            <source>配對的數據記錄不能超過8條!</source>
            <translation>A report can hold at most 8 records!</translation>
        </message>
        <message>
            <source>數據更新失敗！</source>
            <translation>Data update failed!</translation>
        </message>
        <message>
            <source>yyyy年MM月dd日 </source>
            <translation>yyyy-MM-dd </translation>
        </message>
        <message>
            <source>hh:mm:ss</source>
            <translation>hh:mm:ss</translation>
        </message>
        <message>
            <source>數據匯出失敗，無法寫入檔案：
%1</source>
            <translation>Export failed: cannot write the file:
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
            <translation>Report template</translation>
        </message>
        <message>
            <source>LOGO圖片：</source>
            <translation>Logo image:</translation>
        </message>
        <message>
            <source>選擇圖片</source>
            <translation>Choose logo</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Attending doctor:</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>Hospital name:</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>Hospital phone:</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>Hospital address:</translation>
        </message>
        <message>
            <source>檔案儲存路徑：</source>
            <translation>PDF save folder:</translation>
        </message>
        <message>
            <source>選擇</source>
            <translation>Browse</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>置左</source>
            <translation>Left</translation>
        </message>
        <message>
            <source>置右</source>
            <translation>Right</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Open Directory</translation>
        </message>
        <message>
            <source>圖片檔</source>
            <translation>Image files</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>All files</translation>
        </message>
        <message>
            <source>選擇一個圖片檔</source>
            <translation>Choose an image file</translation>
        </message>
        <message>
            <source>保存成功！</source>
            <translation>Saved successfully!</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>Save failed!</translation>
        </message>
        <message>
            <source>所選檔案不是可讀取的圖片！</source>
            <translation>The chosen file is not a readable image!</translation>
        </message>
    </context>
    <context>
        <name>HttpFun</name>
        <message>
            <source>伺服器異常</source>
            <translation>server fault</translation>
        </message>
        <message>
            <source>未知錯誤</source>
            <translation>unknown error</translation>
        </message>
        <message>
            <source>代理錯誤</source>
            <translation>proxy error</translation>
        </message>
        <message>
            <source>報文數據錯誤</source>
            <translation>content error</translation>
        </message>
        <message>
            <source>協議錯誤</source>
            <translation>protocol error</translation>
        </message>
        <message>
            <source>伺服器無法識別請求命令</source>
            <translation>the server did not recognise the request</translation>
        </message>
        <message>
            <source>伺服器校驗數據長度失敗</source>
            <translation>the server's data length check failed</translation>
        </message>
        <message>
            <source>清除服務器數據失敗</source>
            <translation>clearing the server data failed</translation>
        </message>
        <message>
            <source>儀器解析json數據失敗</source>
            <translation>the answer could not be parsed</translation>
        </message>
        <message>
            <source>儀器接受到錯誤的返回結果</source>
            <translation>wrong answer received</translation>
        </message>
        <message>
            <source>儀器校驗數據長度失敗</source>
            <translation>data length check failed</translation>
        </message>
        <message>
            <source>儀器請求伺服器超時</source>
            <translation>the server did not answer in time</translation>
        </message>
        <message>
            <source>下載出錯，正在重試...</source>
            <translation>download error, retrying...</translation>
        </message>
        <message>
            <source>校驗下載文件長度錯誤</source>
            <translation>the downloaded file failed its check</translation>
        </message>
        <message>
            <source>下載文件校驗md5錯誤</source>
            <translation>the downloaded file's digest is wrong</translation>
        </message>
        <message>
            <source>不存在版本更新</source>
            <translation>no update exists</translation>
        </message>
        <message>
            <source>伺服器沒有匹配到數據</source>
            <translation>the server found no matching data</translation>
        </message>
        <message>
            <source>數據庫沒有匹配到數據</source>
            <translation>the database found no matching data</translation>
        </message>
        <message>
            <source>系統文件損壞，請聯系廠家！</source>
            <translation>system file damaged, please contact the maker!</translation>
        </message>
        <message>
            <source>軟件是最新版本！</source>
            <translation>the software is up to date!</translation>
        </message>
        <message>
            <source>設備未綁定，請聯系廠家綁定！</source>
            <translation>device not registered, please ask the maker to register it!</translation>
        </message>
        <message>
            <source>上傳儀器軟件版本失敗！</source>
            <translation>uploading the software version failed!</translation>
        </message>
        <message>
            <source>網絡錯誤：</source>
            <translation>Network error: </translation>
        </message>
    </context>
    <context>
        <name>LinkStatusIndicator</name>
        <message>
            <source>儀器掃描中</source>
            <translation>Scanning for instruments</translation>
        </message>
        <message>
            <source>儀器掃描完成</source>
            <translation>Instrument scan finished</translation>
        </message>
        <message>
            <source>已連接儀器</source>
            <translation>Instrument connected</translation>
        </message>
        <message>
            <source>儀器連結已斷開</source>
            <translation>Instrument disconnected</translation>
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
            <translation>Instrument connection</translation>
        </message>
        <message>
            <source>電腦網卡：</source>
            <translation>PC network adapter:</translation>
        </message>
        <message>
            <source>掃描儀器</source>
            <translation>Scan for instruments</translation>
        </message>
        <message>
            <source>儀器名稱：</source>
            <translation>Instrument name:</translation>
        </message>
        <message>
            <source>WiFi IP：</source>
            <translation>WiFi IP:</translation>
        </message>
        <message>
            <source>連接儀器</source>
            <translation>Connect</translation>
        </message>
        <message>
            <source>請檢查輸入</source>
            <translation>Please check the input</translation>
        </message>
        <message>
            <source>設備和電腦可能不處於同一個局域網，請檢查！</source>
            <translation>The instrument and the PC may not be on the same local network. Please check!</translation>
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
            <translation>Data update</translation>
        </message>
        <message>
            <source>接收进度</source>
            <translation>Receiving</translation>
        </message>
        <message>
            <source>更新数据库</source>
            <translation>Update</translation>
        </message>
        <message>
            <source>加载文件</source>
            <translation>Load file</translation>
        </message>
        <message>
            <source>其他设置</source>
            <translation>Other settings</translation>
        </message>
        <message>
            <source>数据更新完成！</source>
            <translation>Data updated!</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>提示</source>
            <translation>Notice</translation>
        </message>
        <message>
            <source>是</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>否</source>
            <translation>No</translation>
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
            <translation>Instrument IP</translation>
        </message>
        <message>
            <source>歷史數據</source>
            <translation>History</translation>
        </message>
        <message>
            <source>數據匯入匯出</source>
            <translation>Import/Export</translation>
        </message>
        <message>
            <source>範本設置</source>
            <translation>Report template</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Other settings</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>FAQ</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>Check for updates</translation>
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
            <translation>The real-time curve view is still being developed. Stay tuned...</translation>
        </message>
        <message>
            <source>实时曲线</source>
            <translation>Real-time curve</translation>
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
            <translation>Sample and time</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>Sample ID</translation>
        </message>
        <message>
            <source>測量起止日期</source>
            <translation>Test date range</translation>
        </message>
        <message>
            <source>--</source>
            <translation>--</translation>
        </message>
        <message>
            <source>樣本</source>
            <translation>Sample</translation>
        </message>
        <message>
            <source>時間</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Query</translation>
        </message>
        <message>
            <source>起止日期輸入錯誤，請重新輸入!</source>
            <translation>Invalid date range, please enter it again!</translation>
        </message>
        <message>
            <source>樣本ID輸入錯誤，請重新輸入!</source>
            <translation>Invalid sample ID, please enter it again!</translation>
        </message>
        <message>
            <source>未查詢到滿足條件的數據!</source>
            <translation>No records match the query!</translation>
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
            <translation>    Item       Ct       Result</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>Print preview</translation>
        </message>
        <message>
            <source>訊息編輯</source>
            <translation>Details</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Owner:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Breed:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Pet:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Species:</translation>
        </message>
        <message>
            <source>性别：</source>
            <translation>Sex:</translation>
        </message>
        <message>
            <source>公</source>
            <translation>Male</translation>
        </message>
        <message>
            <source>母</source>
            <translation>Female</translation>
        </message>
        <message>
            <source>未知</source>
            <translation>Unknown</translation>
        </message>
        <message>
            <source>年齡：</source>
            <translation>Age:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Sample type:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>Case no.:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contact:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Symptoms:</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Veterinarian:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Test date:</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>Clinic:</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>Address:</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>Phone:</translation>
        </message>
        <message>
            <source>報告匯出</source>
            <translation>Export report</translation>
        </message>
        <message>
            <source>列印</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>文件存储路径：</source>
            <translation>Save to:</translation>
        </message>
        <message>
            <source>选择</source>
            <translation>Browse</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>預覽列印</source>
            <translation>Print preview</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Open Directory</translation>
        </message>
        <message>
            <source>報告圖片保存失敗！</source>
            <translation>The report image could not be saved!</translation>
        </message>
        <message>
            <source>PDF檔案保存失敗，請檢查存儲路徑！</source>
            <translation>The PDF file could not be saved, check the folder!</translation>
        </message>
        <message>
            <source>日期编辑</source>
            <translation>Edit date</translation>
        </message>
        <message>
            <source>PCR檢測報告%1%2.pdf</source>
            <translation>PCR Test Report %1%2.pdf</translation>
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
            <translation>Sample ID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>Test item</translation>
        </message>
        <message>
            <source>Ct</source>
            <translation>Ct</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>Result</translation>
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
            <translation>Invalid</translation>
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
            <translation>Language</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>字體設置</source>
            <translation>Display size</translation>
        </message>
        <message>
            <source>小號</source>
            <translation>Small</translation>
        </message>
        <message>
            <source>中號</source>
            <translation>Medium</translation>
        </message>
        <message>
            <source>大號</source>
            <translation>Large</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>Save failed!</translation>
        </message>
        <message>
            <source>設置成功！</source>
            <translation>Settings applied!</translation>
        </message>
    </context>
    <context>
        <name>Vireon</name>
        <message>
            <source>儀器連接狀態</source>
            <translation>Instrument connection state</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Report</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Query</translation>
        </message>
        <message>
            <source>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</source>
            <translation>The received database file is invalid. The data were not updated; the existing data are unchanged.</translation>
        </message>
        <message>
            <source>伺服器存在軟件更新，請及時更新！</source>
            <translation>A software update is available on the server. Please update soon!</translation>
        </message>
    </context>
</TS>
