<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>BlocksPanel</name>
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
        <source>Дважды щёлкните блок в списке</source>
        <translation>Double-click a block in the list</translation>
    </message>
</context>
<context>
    <name>DemoInstrument</name>
    <message>
        <source>Демонстрационный прибор</source>
        <translation>Demo instrument</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Чтение блока %1 из %2…</source>
        <translation>Reading block %1 of %2…</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Прибор не подключён</source>
        <translation>No instrument connected</translation>
    </message>
    <message>
        <source>Поиск прибора на %1…</source>
        <translation>Looking for the instrument on %1…</translation>
    </message>
    <message>
        <source>Прибор подключён (%1)</source>
        <translation>Instrument connected (%1)</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой</source>
        <translation>Port %1 is in use by another program</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: добавьте пользователя в группу dialout</source>
        <translation>No access to port %1: add your user to the dialout group</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
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
        <source>Компания</source>
        <translation>Company</translation>
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
        <source>Поддерживаемые ОС: Windows 7, Windows 8, Windows 10, Windows 11, Linux</source>
        <translation>Supported systems: Windows 7, Windows 8, Windows 10, Windows 11, Linux</translation>
    </message>
    <message>
        <source>Сайт: </source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>Электронная почта: </source>
        <translation>e-mail: </translation>
    </message>
    <message>
        <source>Velmarsk</source>
        <translation>Velmarsk</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Velmarsk&lt;/b&gt; — российский разработчик и производитель портативных приборов неразрушающего контроля. Компания основана в 2003 году группой инженеров-метрологов и сама ведёт все разработки: от датчиков и электроники до программного обеспечения.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Приборы:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;портативные твердомеры для металлов и сплавов;&lt;/li&gt;&lt;li&gt;ультразвуковые толщиномеры;&lt;/li&gt;&lt;li&gt;вихретоковые дефектоскопы;&lt;/li&gt;&lt;li&gt;измерители толщины покрытий.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Услуги:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;поверка и калибровка приборов;&lt;/li&gt;&lt;li&gt;гарантийный и постгарантийный ремонт;&lt;/li&gt;&lt;li&gt;обучение операторов;&lt;/li&gt;&lt;li&gt;подбор приборов и методик контроля под задачу заказчика.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;velmarsk.example · info@velmarsk.example&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Velmarsk&lt;/b&gt; is a Russian designer and maker of portable non-destructive testing instruments. The company was founded in 2003 by a group of metrology engineers and does all of its development in house, from sensors and electronics to software.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Instruments:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;portable hardness testers for metals and alloys;&lt;/li&gt;&lt;li&gt;ultrasonic thickness gauges;&lt;/li&gt;&lt;li&gt;eddy current flaw detectors;&lt;/li&gt;&lt;li&gt;coating thickness gauges.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Services:&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;verification and calibration of instruments;&lt;/li&gt;&lt;li&gt;warranty and post-warranty repair;&lt;/li&gt;&lt;li&gt;operator training;&lt;/li&gt;&lt;li&gt;choice of instruments and test methods for the customer&apos;s task.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;velmarsk.example · info@velmarsk.example&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Отчет о проведении контроля</source>
        <translation>Test report</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Допуск: [</source>
        <translation>Tolerance: [</translation>
    </message>
    <message>
        <source>Контроль проведён____________________________________________, подпись</source>
        <translation>Testing carried out________________________________,signature</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Включать незаполненные поля в отчет?</source>
        <translation>Include empty fields into the report?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл.
Пожалуйста, проверьте права на запись и не открыта ли прошлая версия файла.</source>
        <translation>Failed to save the file.
Please check write permissions and whether the previous version of the file is open.</translation>
    </message>
    <message>
        <source>Экспорт в Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ</source>
        <translation>TEST REPORT</translation>
    </message>
    <message>
        <source>Контроль проведён____________________________________, подпись</source>
        <translation>Testing carried out____________________________________,signature</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть показания…</source>
        <translation>Open reading…</translation>
    </message>
    <message>
        <source>Сохранить блок в CSV…</source>
        <translation>Save block as CSV…</translation>
    </message>
    <message>
        <source>Не удалось сохранить показания</source>
        <translation>The reading could not be saved</translation>
    </message>
    <message>
        <source>Открыть показания</source>
        <translation>Open reading</translation>
    </message>
    <message>
        <source>Не удалось открыть файл показаний.</source>
        <translation>The reading file could not be opened.</translation>
    </message>
    <message>
        <source>Сохранить блок в CSV</source>
        <translation>Save block as CSV</translation>
    </message>
    <message>
        <source>Сохранение отчёта…</source>
        <translation>Saving the report…</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>%1 из %2 (%3 %)</source>
        <translation>%1 of %2 (%3 %)</translation>
    </message>
    <message>
        <source>Сводка по блокам…</source>
        <translation>Block summary…</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Вне допуска</source>
        <translation>Out of tolerance</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Cp</source>
        <translation>Cp</translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation>Cpk</translation>
    </message>
    <message>
        <source>в допуске</source>
        <translation>within tolerance</translation>
    </message>
    <message>
        <source>вне допуска</source>
        <translation>out of tolerance</translation>
    </message>
    <message>
        <source>Сводка по блокам</source>
        <translation>Block summary</translation>
    </message>
    <message>
        <source>Сохранить в CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Сводный отчет</source>
        <translation>Summary report</translation>
    </message>
    <message>
        <source>Сводка</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Сохранить сводку в CSV</source>
        <translation>Save summary as CSV</translation>
    </message>
    <message>
        <source>Допуск</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Архив измерений…</source>
        <translation>Readings archive…</translation>
    </message>
    <message>
        <source>Архив измерений</source>
        <translation>Readings archive</translation>
    </message>
    <message>
        <source>Показания</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>История блока</source>
        <translation>Block history</translation>
    </message>
    <message>
        <source>Поиск по блокам и дате</source>
        <translation>Search block names and dates</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Дата и время чтения</source>
        <translation>Date and time of reading</translation>
    </message>
    <message>
        <source>Блоков</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Значений</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Блоки</source>
        <translation>Block names</translation>
    </message>
    <message>
        <source>не читается</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Сохранить историю в CSV</source>
        <translation>Save history as CSV</translation>
    </message>
    <message>
        <source>История %1 %2.csv</source>
        <translation>History %1 %2.csv</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Файл сохранён: %1</source>
        <translation>File saved: %1</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PlotsPanel</name>
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
        <source>Включить оценку допуска в отчет</source>
        <translation>Include the tolerance assessment in the report</translation>
    </message>
    <message>
        <source>Обозначить пределы</source>
        <translation>Show min/max</translation>
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
        <source>Вне допуска</source>
        <translation>Out of tolerance</translation>
    </message>
    <message>
        <source>Cp</source>
        <translation>Cp</translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation>Cpk</translation>
    </message>
    <message>
        <source>Min больше Max</source>
        <translation>Min is above Max</translation>
    </message>
</context>
<context>
    <name>ReportFormPanel</name>
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
        <source>Добавить логотип</source>
        <translation>Add logo</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove logo</translation>
    </message>
</context>
</TS>
