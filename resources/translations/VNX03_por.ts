<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_TW">
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
</TS>
