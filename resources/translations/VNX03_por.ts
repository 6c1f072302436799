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
            <translation>Chinês tradicional</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Inglês</translation>
        </message>
        <message>
            <source>Español</source>
            <translation>Espanhol</translation>
        </message>
        <message>
            <source>Português</source>
            <translation>Português</translation>
        </message>
        <message>
            <source>日本語</source>
            <translation>Japonês</translation>
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
            <translation>Atualizar</translation>
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
            <translation>Atualizar</translation>
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
