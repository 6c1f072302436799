<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_TW">
    <context>
        <name>AppStartup</name>
        <message>
            <source>程序已運行！</source>
            <translation>プログラムは既に実行中です！</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>お知らせ</translation>
        </message>
        <message>
            <source>資料庫密碼錯誤或者已損壞，原檔已備份</source>
            <translation>データベースのパスワードが間違っているか、データベースが破損しています。元のファイルはバックアップされました。</translation>
        </message>
        <message>
            <source>無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動</source>
            <translation>データベースを読み込めません。プログラムを終了します。ディスクを確認してから再起動してください。</translation>
        </message>
    </context>
    <context>
        <name>CheckUpdateWidget</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>下載升級包</source>
            <translation>ダウンロード</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>更新の確認</translation>
        </message>
        <message>
            <source>未檢測到升級包！</source>
            <translation>更新パッケージが見つかりません！</translation>
        </message>
        <message>
            <source>檢測到網絡升級包，是否進行升級？</source>
            <translation>更新パッケージがあります。今すぐ更新しますか？</translation>
        </message>
        <message>
            <source>正在下載升級包... 0%</source>
            <translation>更新をダウンロード中... 0%</translation>
        </message>
        <message>
            <source>正在下載升級包%1%...</source>
            <translation>更新をダウンロード中 %1%...</translation>
        </message>
        <message>
            <source>升級包下載成功</source>
            <translation>更新のダウンロード完了</translation>
        </message>
        <message>
            <source>升級包下載成功，是否進行升級？</source>
            <translation>更新をダウンロードしました。今すぐ更新しますか？</translation>
        </message>
        <message>
            <source>升級程式無法啟動！</source>
            <translation>アップデーターを起動できません！</translation>
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
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>Common</name>
        <message>
            <source>犬細小病毒</source>
            <translation>犬パルボウイルス</translation>
        </message>
        <message>
            <source>犬瘟熱病毒</source>
            <translation>犬ジステンパーウイルス</translation>
        </message>
        <message>
            <source>犬冠狀病毒</source>
            <translation>犬コロナウイルス</translation>
        </message>
        <message>
            <source>犬腺病毒</source>
            <translation>犬アデノウイルス</translation>
        </message>
        <message>
            <source>犬副流感病毒</source>
            <translation>犬パラインフルエンザウイルス</translation>
        </message>
        <message>
            <source>貓泛白血球減少症病毒</source>
            <translation>猫汎白血球減少症ウイルス</translation>
        </message>
        <message>
            <source>貓疱疹病毒</source>
            <translation>猫ヘルペスウイルス</translation>
        </message>
        <message>
            <source>貓杯狀病毒</source>
            <translation>猫カリシウイルス</translation>
        </message>
        <message>
            <source>貓冠狀病毒</source>
            <translation>猫コロナウイルス</translation>
        </message>
        <message>
            <source>貓白血病病毒</source>
            <translation>猫白血病ウイルス</translation>
        </message>
        <message>
            <source>貓免疫缺陷病毒</source>
            <translation>猫免疫不全ウイルス</translation>
        </message>
        <message>
            <source>鉤端螺旋體</source>
            <translation>レプトスピラ</translation>
        </message>
        <message>
            <source>巴貝斯蟲</source>
            <translation>バベシア</translation>
        </message>
        <message>
            <source>艾利希體</source>
            <translation>エーリキア</translation>
        </message>
        <message>
            <source>無形體</source>
            <translation>アナプラズマ</translation>
        </message>
        <message>
            <source>貓血支原體</source>
            <translation>猫ヘモプラズマ</translation>
        </message>
        <message>
            <source>賈第鞭毛蟲</source>
            <translation>ジアルジア</translation>
        </message>
        <message>
            <source>弓形蟲</source>
            <translation>トキソプラズマ</translation>
        </message>
        <message>
            <source>貓衣原體</source>
            <translation>猫クラミジア</translation>
        </message>
        <message>
            <source>支氣管敗血性博德氏菌</source>
            <translation>気管支敗血症菌</translation>
        </message>
        <message>
            <source>犬心絲蟲</source>
            <translation>犬糸状虫</translation>
        </message>
        <message>
            <source>鸚鵡熱衣原體</source>
            <translation>オウム病クラミジア</translation>
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
            <translation>フォーム</translation>
        </message>
        <message>
            <source>匯入匯出</source>
            <translation>インポートとエクスポート</translation>
        </message>
        <message>
            <source>匯入數據</source>
            <translation>インポート</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>エクスポート</translation>
        </message>
        <message>
            <source>數據管理</source>
            <translation>データ管理</translation>
        </message>
        <message>
            <source>資料庫檔案</source>
            <translation>データベースファイル</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>すべてのファイル</translation>
        </message>
        <message>
            <source>選擇一個資料庫</source>
            <translation>データベースを選択</translation>
        </message>
        <message>
            <source>資料庫檔案匯入成功！</source>
            <translation>データベースのインポートに成功しました！</translation>
        </message>
        <message>
            <source>資料庫檔案匯入失敗！</source>
            <translation>データベースのインポートに失敗しました！</translation>
        </message>
        <message>
            <source>保存為資料庫檔案</source>
            <translation>データベースファイルとして保存</translation>
        </message>
        <message>
            <source>資料庫檔案匯出成功！</source>
            <translation>データベースのエクスポートに成功しました！</translation>
        </message>
        <message>
            <source>資料庫檔案匯出失敗！</source>
            <translation>データベースのエクスポートに失敗しました！</translation>
        </message>
        <message>
            <source>檔案已存在，是否取代？
%1</source>
            <translation>ファイルは既に存在します。置き換えますか？
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
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>DrawPrintTemplate</name>
        <message>
            <source>即時螢光PCR檢測報告</source>
            <translation>リアルタイムPCR検査報告書</translation>
        </message>
        <message>
            <source>醫院地址:</source>
            <translation>住所:</translation>
        </message>
        <message>
            <source>醫院電話:</source>
            <translation>電話:</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>飼い主：</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>品種：</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>カルテ番号：</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>ペット名：</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>種類：</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>連絡先：</translation>
        </message>
        <message>
            <source>寵物性別：</source>
            <translation>性別：</translation>
        </message>
        <message>
            <source>寵物年齡：</source>
            <translation>年齢：</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>検査日：</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>検体種類：</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>臨床症状：</translation>
        </message>
        <message>
            <source>擴增曲線：</source>
            <translation>増幅曲線：</translation>
        </message>
        <message>
            <source>檢測結果：</source>
            <translation>検査結果：</translation>
        </message>
        <message>
            <source>檢測項目</source>
            <translation>検査項目</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct値</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>結果</translation>
        </message>
        <message>
            <source>參考標準</source>
            <translation>判定基準</translation>
        </message>
        <message>
            <source>        Ct = 0: 陰性(-)</source>
            <translation>        Ct = 0: 陰性(-)</translation>
        </message>
        <message>
            <source>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</source>
            <translation>  0 &lt; Ct ≦ 10: 無効(再検査推奨)</translation>
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
            <translation> 36 ≦ Ct ≦40: 疑い(*)</translation>
        </message>
        <message>
            <source>結果說明:</source>
            <translation>結果の説明:</translation>
        </message>
        <message>
            <source>1. 陽性結果：樣本中檢測到相關病原體基因；</source>
            <translation>1. 陽性：検体から該当病原体の遺伝子が検出されました；</translation>
        </message>
        <message>
            <source>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</source>
            <translation>2. 陰性：該当病原体の遺伝子なし、または検出限界未満；</translation>
        </message>
        <message>
            <source>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</source>
            <translation>3. 検査結果は確定診断や除外の根拠ではなく、獣医師の診断補助としてご利用ください。</translation>
        </message>
        <message>
            <source>報告日期：</source>
            <translation>報告日：</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>担当獣医師：</translation>
        </message>
        <message>
            <source>聲明: </source>
            <translation>声明: </translation>
        </message>
        <message>
            <source>該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。</source>
            <translation>本報告は今回の検体のみを対象とした臨床参考用です。ご不明な点は受領後3営業日以内にご連絡ください。</translation>
        </message>
        <message>
            <source>列印日期:</source>
            <translation>印刷日:</translation>
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
            <translation>印刷日時</translation>
        </message>
        <message>
            <source>【本結果只對本次檢驗樣本負責】</source>
            <translation>【本結果は今回の検査検体のみに対するものです】</translation>
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
            <translation>よくある質問

Lorixをパソコンと接続するには?
    A：
    1. 装置の通信設定を開き、パソコンと同じWiFiネットワークに接続します。
    2. 装置のWiFi詳細で、装置のWiFi IPアドレスを確認します。
    3. パソコンで本プログラムの「装置IP設定」ページを開き、そのIPアドレスを入力して接続します。接続されると、ウィンドウ下部のインジケーターが緑色になり、「装置に接続済み」と表示されます。

検体はどのように処理しますか?
    A：
    1. 液体検体：検体200 μLを保存液で希釈して混ぜ、そのうち200 μLをLBウェルに加えて溶解します。
    2. 尿検体：200 μLをそのままLBチューブに加えます。
    3. スワブ検体：スワブを保存液の中でよくかき混ぜて溶出し、200 μLをLBウェルに加えます。

採取した検体をすぐに検査しない場合、どのように保存しますか？どのくらい保存できますか？常温に置くとどのような影響がありますか？
    A：冷蔵で保存し、できるだけ早く検査してください。常温に置く時間が長いほど核酸が分解され、検査結果が弱くなったり偽陰性になったりすることがあります。

抽出した核酸はどのくらい保存できますか？
    A：抽出後1時間以内に4 ℃で保存し、清潔な滅菌チューブまたは抽出ボックスに密封してください。後続の検査項目は当日中に行うことをお勧めします。

核酸抽出の終了後、誤って抽出装置をもう一度運転してしまった場合はどうしますか？
    A：
    1. 3分以内に抽出装置のRUNボタンを押して停止します。
    2. または2回目の運転が終わるまで待ちます。抽出した核酸はそのまま使用できます。

増幅試薬チューブのふたに印を付けてもよいですか？
    A：いいえ。ふたの印は蛍光検出に影響します。印はチューブの側面だけに付けてください。

PCR増幅時に凍結乾燥粉末の増幅試薬チューブのふたを閉め忘れた場合、どのような影響がありますか？
    A：今回の検査結果は無効です。
    *次の検査の前に、装置の反応槽を清掃し消毒してください。

Lorixは複数の装置と接続できますか？
    A：1台のパソコンが同時に接続できる装置は1台だけです。複数の装置を使う場合は、それぞれを別のパソコンに接続するか、USBでデータを転送してください。


検査手順:
    A：
    1. 装置のOPENボタンを押してふたを開け、検体をセットします。
    2. 装置でウェル、動物種（猫、犬またはエキゾチック）および検査項目を選択します。
    3. 以上の手順を繰り返し、最大8検体（8ウェル）までセットできます。
    4. 運転を開始します。</translation>
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
            <translation>よくある質問

Lorixをパソコンと接続するには?
    A：
    1. 装置の通信設定を開き、パソコンと同じWiFiネットワークに接続します。
    2. 装置のWiFi詳細で、装置のWiFi IPアドレスを確認します。
    3. パソコンで本プログラムの「装置IP設定」ページを開き、そのIPアドレスを入力して接続します。接続されると、ウィンドウ下部のインジケーターが緑色になり、「装置に接続済み」と表示されます。

検体はどのように処理しますか?
    A：
    1. 液体検体：検体200 μLを保存液で希釈して混ぜ、そのうち200 μLをLBウェルに加えて溶解します。
    2. 尿検体：200 μLをそのままLBチューブに加えます。
    3. スワブ検体：スワブを保存液の中でよくかき混ぜて溶出し、200 μLをLBウェルに加えます。

採取した検体をすぐに検査しない場合、どのように保存しますか？どのくらい保存できますか？常温に置くとどのような影響がありますか？
    A：冷蔵で保存し、できるだけ早く検査してください。常温に置く時間が長いほど核酸が分解され、検査結果が弱くなったり偽陰性になったりすることがあります。

抽出した核酸はどのくらい保存できますか？
    A：抽出後1時間以内に4 ℃で保存し、清潔な滅菌チューブまたは抽出ボックスに密封してください。後続の検査項目は当日中に行うことをお勧めします。

核酸抽出の終了後、誤って抽出装置をもう一度運転してしまった場合はどうしますか？
    A：
    1. 3分以内に抽出装置のRUNボタンを押して停止します。
    2. または2回目の運転が終わるまで待ちます。抽出した核酸はそのまま使用できます。

増幅試薬チューブのふたに印を付けてもよいですか？
    A：いいえ。ふたの印は蛍光検出に影響します。印はチューブの側面だけに付けてください。

PCR増幅時に凍結乾燥粉末の増幅試薬チューブのふたを閉め忘れた場合、どのような影響がありますか？
    A：今回の検査結果は無効です。
    *次の検査の前に、装置の反応槽を清掃し消毒してください。

Lorixは複数の装置と接続できますか？
    A：1台のパソコンが同時に接続できる装置は1台だけです。複数の装置を使う場合は、それぞれを別のパソコンに接続するか、USBでデータを転送してください。


検査手順:
    A：
    1. 装置のOPENボタンを押してふたを開け、検体をセットします。
    2. 装置でウェル、動物種（猫、犬またはエキゾチック）および検査項目を選択します。
    3. 以上の手順を繰り返し、最大8検体（8ウェル）までセットできます。
    4. 運転を開始します。</translation>
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
            <translation>よくある質問

Lorixをパソコンと接続するには?
    A：
    1. 装置の通信設定を開き、パソコンと同じWiFiネットワークに接続します。
    2. 装置のWiFi詳細で、装置のWiFi IPアドレスを確認します。
    3. パソコンで本プログラムの「装置IP設定」ページを開き、そのIPアドレスを入力して接続します。接続されると、ウィンドウ下部のインジケーターが緑色になり、「装置に接続済み」と表示されます。

検体はどのように処理しますか?
    A：
    1. 液体検体：検体200 μLを保存液で希釈して混ぜ、そのうち200 μLをLBウェルに加えて溶解します。
    2. 尿検体：200 μLをそのままLBチューブに加えます。
    3. スワブ検体：スワブを保存液の中でよくかき混ぜて溶出し、200 μLをLBウェルに加えます。

採取した検体をすぐに検査しない場合、どのように保存しますか？どのくらい保存できますか？常温に置くとどのような影響がありますか？
    A：冷蔵で保存し、できるだけ早く検査してください。常温に置く時間が長いほど核酸が分解され、検査結果が弱くなったり偽陰性になったりすることがあります。

抽出した核酸はどのくらい保存できますか？
    A：抽出後1時間以内に4 ℃で保存し、清潔な滅菌チューブまたは抽出ボックスに密封してください。後続の検査項目は当日中に行うことをお勧めします。

核酸抽出の終了後、誤って抽出装置をもう一度運転してしまった場合はどうしますか？
    A：
    1. 3分以内に抽出装置のRUNボタンを押して停止します。
    2. または2回目の運転が終わるまで待ちます。抽出した核酸はそのまま使用できます。

増幅試薬チューブのふたに印を付けてもよいですか？
    A：いいえ。ふたの印は蛍光検出に影響します。印はチューブの側面だけに付けてください。

PCR増幅時に凍結乾燥粉末の増幅試薬チューブのふたを閉め忘れた場合、どのような影響がありますか？
    A：今回の検査結果は無効です。
    *次の検査の前に、装置の反応槽を清掃し消毒してください。

Lorixは複数の装置と接続できますか？
    A：1台のパソコンが同時に接続できる装置は1台だけです。複数の装置を使う場合は、それぞれを別のパソコンに接続するか、USBでデータを転送してください。


検査手順:
    A：
    1. 装置のOPENボタンを押してふたを開け、検体をセットします。
    2. 装置でウェル、動物種（猫、犬またはエキゾチック）および検査項目を選択します。
    3. 以上の手順を繰り返し、最大8検体（8ウェル）までセットできます。
    4. 運転を開始します。</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>よくある質問</translation>
        </message>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
    </context>
    <context>
        <name>HistoryData</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>接收進度</source>
            <translation>受信進捗</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>検索</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>レポート</translation>
        </message>
        <message>
            <source>擴增曲線</source>
            <translation>増幅曲線</translation>
        </message>
        <message>
            <source>更新數據</source>
            <translation>データ更新</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>データ出力</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>その他の設定</translation>
        </message>
        <message>
            <source>孔位</source>
            <translation>ウェル</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>サンプルID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>検査項目</translation>
        </message>
        <message>
            <source>Ct值</source>
            <translation>Ct値</translation>
        </message>
        <message>
            <source>結果</source>
            <translation>結果</translation>
        </message>
        <message>
            <source>日期/時間</source>
            <translation>日付/時刻</translation>
        </message>
        <message>
            <source>智慧模式</source>
            <translation>スマートモード</translation>
        </message>
        <message>
            <source>選擇模式</source>
            <translation>選択モード</translation>
        </message>
        <message>
            <source>取消查詢</source>
            <translation>検索解除</translation>
        </message>
        <message>
            <source>數據更新完成！</source>
            <translation>データ更新が完了しました！</translation>
        </message>
        <message>
            <source>選擇了多個樣本，
請選擇需要列印報告的樣本</source>
            <translation>複数のサンプルが選択されています。
レポートを印刷するサンプルを選んでください</translation>
        </message>
        <message>
            <source>樣本測試時間不同，
請選擇需要列印報告的時間</source>
            <translation>サンプルの検査時刻が異なります。
レポートを印刷する時刻を選んでください</translation>
        </message>
        <message>
            <source>沒有配對到數據!</source>
            <translation>一致するデータがありません！</translation>
        </message>
        <message>
            <source>配對的數據記錄不能超過8條!</source>
            <translation>レポートに含められるデータは8件までです！</translation>
        </message>
        <message>
            <source>數據更新失敗！</source>
            <translation>データ更新に失敗しました！</translation>
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
            <translation>データのエクスポートに失敗しました。ファイルに書き込めません：
%1</translation>
        </message>
    </context>
    <context>
        <name>HospitalInfoEdit</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>範本編輯</source>
            <translation>テンプレート編集</translation>
        </message>
        <message>
            <source>LOGO圖片：</source>
            <translation>ロゴ画像：</translation>
        </message>
        <message>
            <source>選擇圖片</source>
            <translation>画像を選択</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>主治医：</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>病院名：</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>病院電話：</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>病院住所：</translation>
        </message>
        <message>
            <source>檔案儲存路徑：</source>
            <translation>PDF保存先：</translation>
        </message>
        <message>
            <source>選擇</source>
            <translation>選択</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>置左</source>
            <translation>左寄せ</translation>
        </message>
        <message>
            <source>置右</source>
            <translation>右寄せ</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>フォルダを開く</translation>
        </message>
        <message>
            <source>圖片檔</source>
            <translation>画像ファイル</translation>
        </message>
        <message>
            <source>所有文件</source>
            <translation>すべてのファイル</translation>
        </message>
        <message>
            <source>選擇一個圖片檔</source>
            <translation>画像ファイルを選択</translation>
        </message>
        <message>
            <source>保存成功！</source>
            <translation>保存しました！</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>保存に失敗しました！</translation>
        </message>
        <message>
            <source>所選檔案不是可讀取的圖片！</source>
            <translation>選択したファイルは読み込める画像ではありません！</translation>
        </message>
    </context>
    <context>
        <name>HttpFun</name>
        <message>
            <source>伺服器異常</source>
            <translation>サーバー異常</translation>
        </message>
        <message>
            <source>未知錯誤</source>
            <translation>不明なエラー</translation>
        </message>
        <message>
            <source>代理錯誤</source>
            <translation>プロキシエラー</translation>
        </message>
        <message>
            <source>報文數據錯誤</source>
            <translation>データ内容エラー</translation>
        </message>
        <message>
            <source>協議錯誤</source>
            <translation>プロトコルエラー</translation>
        </message>
        <message>
            <source>伺服器無法識別請求命令</source>
            <translation>サーバーが要求を認識できません</translation>
        </message>
        <message>
            <source>伺服器校驗數據長度失敗</source>
            <translation>サーバーのデータ長検証に失敗しました</translation>
        </message>
        <message>
            <source>清除服務器數據失敗</source>
            <translation>サーバーデータの消去に失敗しました</translation>
        </message>
        <message>
            <source>儀器解析json數據失敗</source>
            <translation>応答を解析できませんでした</translation>
        </message>
        <message>
            <source>儀器接受到錯誤的返回結果</source>
            <translation>誤った応答を受信しました</translation>
        </message>
        <message>
            <source>儀器校驗數據長度失敗</source>
            <translation>データ長の検証に失敗しました</translation>
        </message>
        <message>
            <source>儀器請求伺服器超時</source>
            <translation>サーバーの応答がタイムアウトしました</translation>
        </message>
        <message>
            <source>下載出錯，正在重試...</source>
            <translation>ダウンロードエラー、再試行中...</translation>
        </message>
        <message>
            <source>校驗下載文件長度錯誤</source>
            <translation>ダウンロードファイルの検証に失敗しました</translation>
        </message>
        <message>
            <source>下載文件校驗md5錯誤</source>
            <translation>ダウンロードファイルのダイジェストが不正です</translation>
        </message>
        <message>
            <source>不存在版本更新</source>
            <translation>更新はありません</translation>
        </message>
        <message>
            <source>伺服器沒有匹配到數據</source>
            <translation>サーバーに一致するデータがありません</translation>
        </message>
        <message>
            <source>數據庫沒有匹配到數據</source>
            <translation>データベースに一致するデータがありません</translation>
        </message>
        <message>
            <source>系統文件損壞，請聯系廠家！</source>
            <translation>システムファイルが破損しています。メーカーにご連絡ください！</translation>
        </message>
        <message>
            <source>軟件是最新版本！</source>
            <translation>ソフトウェアは最新です！</translation>
        </message>
        <message>
            <source>設備未綁定，請聯系廠家綁定！</source>
            <translation>機器が未登録です。メーカーに登録を依頼してください！</translation>
        </message>
        <message>
            <source>上傳儀器軟件版本失敗！</source>
            <translation>ソフトウェアバージョンの送信に失敗しました！</translation>
        </message>
        <message>
            <source>網絡錯誤：</source>
            <translation>ネットワークエラー：</translation>
        </message>
    </context>
    <context>
        <name>LinkStatusIndicator</name>
        <message>
            <source>儀器掃描中</source>
            <translation>装置をスキャン中</translation>
        </message>
        <message>
            <source>儀器掃描完成</source>
            <translation>装置のスキャン完了</translation>
        </message>
        <message>
            <source>已連接儀器</source>
            <translation>装置に接続済み</translation>
        </message>
        <message>
            <source>儀器連結已斷開</source>
            <translation>装置との接続が切断されました</translation>
        </message>
    </context>
    <context>
        <name>MachineConnect</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>儀器連接</source>
            <translation>機器接続</translation>
        </message>
        <message>
            <source>電腦網卡：</source>
            <translation>PCのネットワーク：</translation>
        </message>
        <message>
            <source>掃描儀器</source>
            <translation>機器をスキャン</translation>
        </message>
        <message>
            <source>儀器名稱：</source>
            <translation>機器名：</translation>
        </message>
        <message>
            <source>WiFi IP：</source>
            <translation>WiFi IP：</translation>
        </message>
        <message>
            <source>連接儀器</source>
            <translation>接続</translation>
        </message>
        <message>
            <source>請檢查輸入</source>
            <translation>入力を確認してください</translation>
        </message>
        <message>
            <source>設備和電腦可能不處於同一個局域網，請檢查！</source>
            <translation>機器とPCが同じローカルネットワークにない可能性があります。確認してください！</translation>
        </message>
    </context>
    <context>
        <name>MachineOtherSet</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>数据更新</source>
            <translation>データ更新</translation>
        </message>
        <message>
            <source>接收进度</source>
            <translation>受信進捗</translation>
        </message>
        <message>
            <source>更新数据库</source>
            <translation>更新</translation>
        </message>
        <message>
            <source>加载文件</source>
            <translation>読み込み</translation>
        </message>
        <message>
            <source>其他设置</source>
            <translation>その他の設定</translation>
        </message>
        <message>
            <source>数据更新完成！</source>
            <translation>データ更新完了！</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>提示</source>
            <translation>お知らせ</translation>
        </message>
        <message>
            <source>是</source>
            <translation>はい</translation>
        </message>
        <message>
            <source>否</source>
            <translation>いいえ</translation>
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
            <translation>装置IP設定</translation>
        </message>
        <message>
            <source>歷史數據</source>
            <translation>履歴データ</translation>
        </message>
        <message>
            <source>數據匯入匯出</source>
            <translation>データ入出力</translation>
        </message>
        <message>
            <source>範本設置</source>
            <translation>テンプレート設定</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>その他の設定</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>よくある質問</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>更新の確認</translation>
        </message>
    </context>
    <context>
        <name>RealTimeCurve</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>实时曲线界面功能待开发，敬请期待。。。。。。</source>
            <translation>リアルタイム曲線画面は開発中です。今しばらくお待ちください……</translation>
        </message>
        <message>
            <source>实时曲线</source>
            <translation>リアルタイム曲線</translation>
        </message>
    </context>
    <context>
        <name>SampleQueryDlg</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>樣本和時間</source>
            <translation>サンプルと日付</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>サンプルID</translation>
        </message>
        <message>
            <source>測量起止日期</source>
            <translation>測定期間</translation>
        </message>
        <message>
            <source>--</source>
            <translation>--</translation>
        </message>
        <message>
            <source>樣本</source>
            <translation>サンプル</translation>
        </message>
        <message>
            <source>時間</source>
            <translation>日付</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>検索</translation>
        </message>
        <message>
            <source>起止日期輸入錯誤，請重新輸入!</source>
            <translation>期間の入力が正しくありません。再入力してください！</translation>
        </message>
        <message>
            <source>樣本ID輸入錯誤，請重新輸入!</source>
            <translation>サンプルIDが正しくありません。再入力してください！</translation>
        </message>
        <message>
            <source>未查詢到滿足條件的數據!</source>
            <translation>条件に一致するデータがありません！</translation>
        </message>
    </context>
    <context>
        <name>SampleReportDlg</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>    项目       Ct值       结果</source>
            <translation>    項目       Ct値       結果</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>印刷プレビュー</translation>
        </message>
        <message>
            <source>訊息編輯</source>
            <translation>情報編集</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>飼い主：</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>品種：</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>ペット名：</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>種類：</translation>
        </message>
        <message>
            <source>性别：</source>
            <translation>性別：</translation>
        </message>
        <message>
            <source>公</source>
            <translation>オス</translation>
        </message>
        <message>
            <source>母</source>
            <translation>メス</translation>
        </message>
        <message>
            <source>未知</source>
            <translation>不明</translation>
        </message>
        <message>
            <source>年齡：</source>
            <translation>年齢：</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>検体種類：</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>カルテ番号：</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>連絡先：</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>臨床症状：</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>担当獣医師：</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>検査日：</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>病院名：</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>住所：</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>電話：</translation>
        </message>
        <message>
            <source>報告匯出</source>
            <translation>レポート出力</translation>
        </message>
        <message>
            <source>列印</source>
            <translation>印刷</translation>
        </message>
        <message>
            <source>文件存储路径：</source>
            <translation>保存先：</translation>
        </message>
        <message>
            <source>选择</source>
            <translation>選択</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>戻る</translation>
        </message>
        <message>
            <source>預覽列印</source>
            <translation>印刷プレビュー</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>フォルダーを開く</translation>
        </message>
        <message>
            <source>報告圖片保存失敗！</source>
            <translation>レポート画像を保存できませんでした！</translation>
        </message>
        <message>
            <source>PDF檔案保存失敗，請檢查存儲路徑！</source>
            <translation>PDFを保存できませんでした。保存先を確認してください！</translation>
        </message>
        <message>
            <source>日期编辑</source>
            <translation>日付編集</translation>
        </message>
        <message>
            <source>PCR檢測報告%1%2.pdf</source>
            <translation>PCR検査報告%1%2.pdf</translation>
        </message>
    </context>
    <context>
        <name>SampleSplineDlg</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
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
            <translation>サンプルID</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>検査項目</translation>
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
            <translation>無効</translation>
        </message>
    </context>
    <context>
        <name>SystemLanSet</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
        </message>
        <message>
            <source>語言設置</source>
            <translation>言語設定</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>字體設置</source>
            <translation>文字サイズ</translation>
        </message>
        <message>
            <source>小號</source>
            <translation>小</translation>
        </message>
        <message>
            <source>中號</source>
            <translation>中</translation>
        </message>
        <message>
            <source>大號</source>
            <translation>大</translation>
        </message>
        <message>
            <source>保存失敗！</source>
            <translation>保存に失敗しました！</translation>
        </message>
        <message>
            <source>設置成功！</source>
            <translation>設定しました！</translation>
        </message>
    </context>
    <context>
        <name>Vireon</name>
        <message>
            <source>儀器連接狀態</source>
            <translation>装置の接続状態</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>レポート</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>検索</translation>
        </message>
        <message>
            <source>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</source>
            <translation>受信したデータベースファイルが無効です。データは更新されず、既存のデータはそのままです。</translation>
        </message>
        <message>
            <source>伺服器存在軟件更新，請及時更新！</source>
            <translation>サーバーにソフトウェアの更新があります。早めに更新してください！</translation>
        </message>
    </context>
</TS>
