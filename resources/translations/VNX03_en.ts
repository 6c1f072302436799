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
            <translation>Traditional Chinese</translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Español</source>
            <translation>Spanish</translation>
        </message>
        <message>
            <source>Português</source>
            <translation>Portuguese</translation>
        </message>
        <message>
            <source>日本語</source>
            <translation>Japanese</translation>
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
