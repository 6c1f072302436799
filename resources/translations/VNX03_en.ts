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
