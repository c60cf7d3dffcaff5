<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Прочитать данные</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Сохранить в Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Сохранить в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Блоки памяти прибора</source>
        <translation>Memory arrays from device</translation>
    </message>
    <message>
        <source>Данные блока</source>
        <translation>Array data</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Data statistics</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>σ</source>
        <translation>σ</translation>
    </message>
    <message>
        <source>Включить график в отчет</source>
        <translation>Add plot to report</translation>
    </message>
    <message>
        <source>Диапазон графиков:</source>
        <translation>Graph range:</translation>
    </message>
    <message>
        <source>Включить диаграмму в отчет</source>
        <translation>Add diagram to report</translation>
    </message>
    <message>
        <source>Обозначить пределы</source>
        <translation>Show min/max</translation>
    </message>
    <message>
        <source>Данные о компании</source>
        <translation>Company information</translation>
    </message>
    <message>
        <source>Компания</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Город</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Телефон</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Вебсайт</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Данные об отчете</source>
        <translation>Report details</translation>
    </message>
    <message>
        <source>Номер отчета</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Наименование детали</source>
        <translation>Part name</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Номер партии</source>
        <translation>Batch number</translation>
    </message>
    <message>
        <source>Данные о приборе</source>
        <translation>Device information</translation>
    </message>
    <message>
        <source>Название прибора</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Тип прибора</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Номер прибора</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Свидетельство о поверке</source>
        <translation>Verification certificate number</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Увеличить</source>
        <translation>Increase font size</translation>
    </message>
    <message>
        <source>Уменьшить</source>
        <translation>Decrease font size</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Добавить логотип</source>
        <translation>Add logo</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove logo</translation>
    </message>
</context>
</TS>
