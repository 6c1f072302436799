<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_TW">
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
</TS>
