<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_TW">
    <context>
        <name>AppStartup</name>
        <message>
            <source>程序已運行！</source>
            <translation>¡El programa ya se está ejecutando!</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>資料庫密碼錯誤或者已損壞，原檔已備份</source>
            <translation>La contraseña de la base de datos es incorrecta o la base de datos está dañada. Se ha guardado una copia del archivo original.</translation>
        </message>
    </context>
    <context>
        <name>ChooseDialog</name>
        <message>
            <source>確定</source>
            <translation>Aceptar</translation>
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
            <translation>Parvovirus canino</translation>
        </message>
        <message>
            <source>犬瘟熱病毒</source>
            <translation>Virus del moquillo canino</translation>
        </message>
        <message>
            <source>犬冠狀病毒</source>
            <translation>Coronavirus canino</translation>
        </message>
        <message>
            <source>犬腺病毒</source>
            <translation>Adenovirus canino</translation>
        </message>
        <message>
            <source>犬副流感病毒</source>
            <translation>Virus de la parainfluenza canina</translation>
        </message>
        <message>
            <source>貓泛白血球減少症病毒</source>
            <translation>Virus de la panleucopenia felina</translation>
        </message>
        <message>
            <source>貓疱疹病毒</source>
            <translation>Herpesvirus felino</translation>
        </message>
        <message>
            <source>貓杯狀病毒</source>
            <translation>Calicivirus felino</translation>
        </message>
        <message>
            <source>貓冠狀病毒</source>
            <translation>Coronavirus felino</translation>
        </message>
        <message>
            <source>貓白血病病毒</source>
            <translation>Virus de la leucemia felina</translation>
        </message>
        <message>
            <source>貓免疫缺陷病毒</source>
            <translation>Virus de la inmunodeficiencia felina</translation>
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
            <translation>Dirofilaria immitis</translation>
        </message>
        <message>
            <source>鸚鵡熱衣原體</source>
            <translation>Chlamydia psittaci</translation>
        </message>
        <message>
            <source>繁體中文</source>
            <translation>Chino tradicional</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Inglés</translation>
        </message>
        <message>
            <source>Español</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>Português</source>
            <translation>Portugués</translation>
        </message>
        <message>
            <source>日本語</source>
            <translation>Japonés</translation>
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
            <translation>Aceptar</translation>
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
            <translation>Informe de PCR en tiempo real</translation>
        </message>
        <message>
            <source>醫院地址:</source>
            <translation>Dirección:</translation>
        </message>
        <message>
            <source>醫院電話:</source>
            <translation>Teléfono:</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Dueño:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Raza:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>N.º caso:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Mascota:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Especie:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contacto:</translation>
        </message>
        <message>
            <source>寵物性別：</source>
            <translation>Sexo:</translation>
        </message>
        <message>
            <source>寵物年齡：</source>
            <translation>Edad:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Fecha:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Muestra:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Síntomas:</translation>
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
            <translation>Prueba</translation>
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
            <translation>Referencia</translation>
        </message>
        <message>
            <source>        Ct = 0: 陰性(-)</source>
            <translation>        Ct = 0: negativo(-)</translation>
        </message>
        <message>
            <source>  0 &lt; Ct ≦ 10: 無效結果(建議重新檢測)</source>
            <translation>  0 &lt; Ct ≦ 10: no válido (repetir)</translation>
        </message>
        <message>
            <source> 10 &lt; Ct ≦ 20: 強陽性(+++)</source>
            <translation> 10 &lt; Ct ≦ 20: positivo fuerte(+++)</translation>
        </message>
        <message>
            <source> 20 &lt; Ct ≦ 30: 陽性(++)</source>
            <translation> 20 &lt; Ct ≦ 30: positivo(++)</translation>
        </message>
        <message>
            <source> 30 &lt; Ct &lt; 36: 弱陽性(+)</source>
            <translation> 30 &lt; Ct &lt; 36: positivo débil(+)</translation>
        </message>
        <message>
            <source> 36 ≦ Ct ≦40: 疑似(*)</source>
            <translation> 36 ≦ Ct ≦40: sospechoso(*)</translation>
        </message>
        <message>
            <source>結果說明:</source>
            <translation>Notas:</translation>
        </message>
        <message>
            <source>1. 陽性結果：樣本中檢測到相關病原體基因；</source>
            <translation>1. Positivo: se detectaron genes del patógeno en la muestra;</translation>
        </message>
        <message>
            <source>2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；</source>
            <translation>2. Negativo: sin genes del patógeno o por debajo del límite de detección;</translation>
        </message>
        <message>
            <source>3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。</source>
            <translation>3. El resultado no confirma ni descarta un diagnóstico; solo orienta al veterinario.</translation>
        </message>
        <message>
            <source>報告日期：</source>
            <translation>Fecha:</translation>
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
            <translation>Válido solo para la muestra analizada, de referencia clínica. Consultas: dentro de 3 días hábiles.</translation>
        </message>
        <message>
            <source>列印日期:</source>
            <translation>Impreso: </translation>
        </message>
    </context>
    <context>
        <name>HistoryData</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>接收進度</source>
            <translation>Recepción</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consultar</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Informe</translation>
        </message>
        <message>
            <source>擴增曲線</source>
            <translation>Curvas amp.</translation>
        </message>
        <message>
            <source>更新數據</source>
            <translation>Actualizar</translation>
        </message>
        <message>
            <source>匯出數據</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Otros ajustes</translation>
        </message>
        <message>
            <source>孔位</source>
            <translation>Pocillo</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>ID de muestra</translation>
        </message>
        <message>
            <source>檢測品項</source>
            <translation>Prueba</translation>
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
            <translation>Fecha/Hora</translation>
        </message>
        <message>
            <source>智慧模式</source>
            <translation>Modo inteligente</translation>
        </message>
        <message>
            <source>選擇模式</source>
            <translation>Modo de selección</translation>
        </message>
        <message>
            <source>取消查詢</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>數據更新完成！</source>
            <translation>¡Actualización de datos completada!</translation>
        </message>
        <message>
            <source>選擇了多個樣本，
請選擇需要列印報告的樣本</source>
            <translation>Se seleccionaron varias muestras,
elija la muestra del informe</translation>
        </message>
        <message>
            <source>樣本測試時間不同，
請選擇需要列印報告的時間</source>
            <translation>La muestra se analizó en distintos momentos,
elija la hora del informe</translation>
        </message>
        <message>
            <source>沒有配對到數據!</source>
            <translation>¡No hay registros coincidentes!</translation>
        </message>
        <message>
            <source>配對的數據記錄不能超過8條!</source>
            <translation>¡Un informe admite como máximo 8 registros!</translation>
        </message>
    </context>
    <context>
        <name>LinkStatusIndicator</name>
        <message>
            <source>儀器掃描中</source>
            <translation>Buscando instrumentos</translation>
        </message>
        <message>
            <source>儀器掃描完成</source>
            <translation>Búsqueda de instrumentos finalizada</translation>
        </message>
        <message>
            <source>已連接儀器</source>
            <translation>Instrumento conectado</translation>
        </message>
        <message>
            <source>儀器連結已斷開</source>
            <translation>Instrumento desconectado</translation>
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
            <translation>Sí</translation>
        </message>
        <message>
            <source>否</source>
            <translation>No</translation>
        </message>
        <message>
            <source>確定</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>NavigationList</name>
        <message>
            <source>儀器IP設置</source>
            <translation>IP del instrumento</translation>
        </message>
        <message>
            <source>歷史數據</source>
            <translation>Historial</translation>
        </message>
        <message>
            <source>數據匯入匯出</source>
            <translation>Importar/Exportar</translation>
        </message>
        <message>
            <source>範本設置</source>
            <translation>Plantilla</translation>
        </message>
        <message>
            <source>其他設置</source>
            <translation>Otros ajustes</translation>
        </message>
        <message>
            <source>常見問題</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>檢查更新</source>
            <translation>Actualizar</translation>
        </message>
    </context>
    <context>
        <name>SampleQueryDlg</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>樣本和時間</source>
            <translation>Muestra y fecha</translation>
        </message>
        <message>
            <source>樣本ID</source>
            <translation>ID de muestra</translation>
        </message>
        <message>
            <source>測量起止日期</source>
            <translation>Rango de fechas</translation>
        </message>
        <message>
            <source>--</source>
            <translation>--</translation>
        </message>
        <message>
            <source>樣本</source>
            <translation>Muestra</translation>
        </message>
        <message>
            <source>時間</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consultar</translation>
        </message>
        <message>
            <source>起止日期輸入錯誤，請重新輸入!</source>
            <translation>Rango de fechas no válido, ¡introdúzcalo de nuevo!</translation>
        </message>
        <message>
            <source>樣本ID輸入錯誤，請重新輸入!</source>
            <translation>ID de muestra no válido, ¡introdúzcalo de nuevo!</translation>
        </message>
        <message>
            <source>未查詢到滿足條件的數據!</source>
            <translation>¡Ningún registro coincide con la consulta!</translation>
        </message>
    </context>
    <context>
        <name>SampleReportDlg</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>    项目       Ct值       结果</source>
            <translation>    Prueba       Ct       Resultado</translation>
        </message>
        <message>
            <source>打印预览</source>
            <translation>Vista previa</translation>
        </message>
        <message>
            <source>訊息編輯</source>
            <translation>Datos</translation>
        </message>
        <message>
            <source>寵物主人：</source>
            <translation>Dueño:</translation>
        </message>
        <message>
            <source>寵物品種：</source>
            <translation>Raza:</translation>
        </message>
        <message>
            <source>寵物名：</source>
            <translation>Mascota:</translation>
        </message>
        <message>
            <source>寵物類型：</source>
            <translation>Especie:</translation>
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
            <translation>Hembra</translation>
        </message>
        <message>
            <source>未知</source>
            <translation>Desconocido</translation>
        </message>
        <message>
            <source>年齡：</source>
            <translation>Edad:</translation>
        </message>
        <message>
            <source>樣本類型：</source>
            <translation>Tipo muestra:</translation>
        </message>
        <message>
            <source>病歷號碼：</source>
            <translation>N.º caso:</translation>
        </message>
        <message>
            <source>連繫電話：</source>
            <translation>Contacto:</translation>
        </message>
        <message>
            <source>臨床症狀：</source>
            <translation>Síntomas:</translation>
        </message>
        <message>
            <source>主治醫師：</source>
            <translation>Veterinario:</translation>
        </message>
        <message>
            <source>檢測時間：</source>
            <translation>Fecha prueba:</translation>
        </message>
        <message>
            <source>醫院名稱：</source>
            <translation>Clínica:</translation>
        </message>
        <message>
            <source>醫院地址：</source>
            <translation>Dirección:</translation>
        </message>
        <message>
            <source>醫院電話：</source>
            <translation>Teléfono:</translation>
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
            <translation>Guardar en:</translation>
        </message>
        <message>
            <source>选择</source>
            <translation>Elegir</translation>
        </message>
        <message>
            <source>返回</source>
            <translation>Volver</translation>
        </message>
        <message>
            <source>預覽列印</source>
            <translation>Vista previa</translation>
        </message>
        <message>
            <source>Open Directory</source>
            <translation>Abrir carpeta</translation>
        </message>
        <message>
            <source>報告圖片保存失敗！</source>
            <translation>¡No se pudo guardar la imagen del informe!</translation>
        </message>
        <message>
            <source>PDF檔案保存失敗，請檢查存儲路徑！</source>
            <translation>No se pudo guardar el PDF, revise la carpeta.</translation>
        </message>
        <message>
            <source>日期编辑</source>
            <translation>Editar fecha</translation>
        </message>
        <message>
            <source>PCR檢測報告%1%2.pdf</source>
            <translation>Informe PCR %1%2.pdf</translation>
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
            <translation>Estado de conexión del instrumento</translation>
        </message>
        <message>
            <source>報告</source>
            <translation>Informe</translation>
        </message>
        <message>
            <source>查詢</source>
            <translation>Consulta</translation>
        </message>
        <message>
            <source>接收的資料庫檔案無效，未能更新數據，原有數據保持不變</source>
            <translation>El archivo de base de datos recibido no es válido. Los datos no se actualizaron; los datos existentes no cambian.</translation>
        </message>
        <message>
            <source>伺服器存在軟件更新，請及時更新！</source>
            <translation>Hay una actualización de software en el servidor. ¡Actualice pronto!</translation>
        </message>
    </context>
</TS>
