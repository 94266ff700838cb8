<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Нажмите, чтобы начать переименование файлов</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Ни один отмеченный файл не получает нового имени: переименовывать нечего.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Переименование завершено: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>переименован %n файл</numerusform>
            <numerusform>переименовано %n файла</numerusform>
            <numerusform>переименовано %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>не удалось переименовать %n файл</numerusform>
            <numerusform>не удалось переименовать %n файла</numerusform>
            <numerusform>не удалось переименовать %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, отменено до %n файла</numerusform>
            <numerusform>, отменено до %n файлов</numerusform>
            <numerusform>, отменено до %n файлов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Переименование файлов: готово %1 из %n</numerusform>
            <numerusform>Переименование файлов: готово %1 из %n</numerusform>
            <numerusform>Переименование файлов: готово %1 из %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>В пакете от %1 в папке [%2] нечего возвращать.</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Отменить пакетное переименование от %1 в папке [%2].

Вернуть сейчас прежнее имя %n файлу?</numerusform>
            <numerusform>Отменить пакетное переименование от %1 в папке [%2].

Вернуть сейчас прежние имена %n файлам?</numerusform>
            <numerusform>Отменить пакетное переименование от %1 в папке [%2].

Вернуть сейчас прежние имена %n файлам?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>Последнее пакетное переименование, от %1 в папке [%2], ничего не переименовало: отменять в нём нечего.

Вместо этого: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Пропущено: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>Пакетное переименование от %1 в папке [%2] было прервано: переименовано %3 из %n файла.</numerusform>
            <numerusform>Пакетное переименование от %1 в папке [%2] было прервано: переименовано %3 из %n файлов.</numerusform>
            <numerusform>Пакетное переименование от %1 в папке [%2] было прервано: переименовано %3 из %n файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Отменить %n уже выполненное переименование</numerusform>
            <numerusform>Отменить %n уже выполненных переименования</numerusform>
            <numerusform>Отменить %n уже выполненных переименований</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Оставить</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Отмена остановлена: прежнее имя возвращено %n файлу, остальное можно отменить снова</numerusform>
            <numerusform>Отмена остановлена: прежние имена возвращены %n файлам, остальное можно отменить снова</numerusform>
            <numerusform>Отмена остановлена: прежние имена возвращены %n файлам, остальное можно отменить снова</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Отмена выполнена: прежнее имя возвращено %n файлу</numerusform>
            <numerusform>Отмена выполнена: прежние имена возвращены %n файлам</numerusform>
            <numerusform>Отмена выполнена: прежние имена возвращены %n файлам</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, версия %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Контакт: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>Непереименованные файлы - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>переименовано: %n</numerusform>
            <numerusform>переименовано: %n</numerusform>
            <numerusform>переименовано: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>не переименовано: %n</numerusform>
            <numerusform>не переименовано: %n</numerusform>
            <numerusform>не переименовано: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Загруженное имя файла</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Новое имя файла</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>Номер в начале, начиная с :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Номер в конце, начиная с :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Найти &amp;&amp; заменить в имени файла</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Новое имя :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Удалить начальные символы, количество :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Все прописные</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Все строчные</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Нумеровать заново в каждой &amp;папке</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>&amp;Дополнять числа в имени до цифр :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>Наименьшее число цифр, с ведущими нулями (0 или 1: столько, сколько в числе)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Прибавляется к номеру от файла к файлу (отрицательное: счёт вниз)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>&amp;Регулярное выражение</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Учитывать ре&amp;гистр</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Заменить вс&amp;е</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>Ка&amp;ждое слово с прописной</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Как в предл&amp;ожении</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Убрать &amp;лишние пробелы</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Записать в &amp;ASCII</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>Расширение &amp;строчными</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Всё имя</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Имя без расширения</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Только расширение</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Что изменяют «Найти &amp;&amp; заменить» и флажки регистра; прописные в начале слов и предложения никогда не меняют расширение всего имени</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Другие письменности латиницей, без диакритики; эмодзи и байты не в UTF-8 сохраняются</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Без пробелов вокруг имени без расширения, по одному вместо каждой группы</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>На&amp;йти :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Заменить на :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>Переименовать &amp;всё</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Цифр :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Шаг :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>Применить «Найти &amp;&amp; заменить» и регистр &amp;к :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Параметры переименования - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Введите целое число. Сохраняется последнее допустимое число.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. Список показывает имена по последнему допустимому выражению, и ничего не переименовывается, пока оно не исправлено.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(не выбрано)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Выберите предустановку, чтобы подставить её параметры переименования в это окно</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>Примени&amp;ть предустановку :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>&amp;Управление предустановками</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Сохранить текущие параметры как предустановку...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>&amp;Переименовать предустановку...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Удалить предустановку</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Импорт предустановки...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>&amp;Экспорт предустановки...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Недопустимый шаблон в позиции %1: %2. В списке показаны имена по последнему допустимому шаблону; ничего не будет переименовано, пока шаблон не исправлен.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (нет значения)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Шаблон &amp;имени :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Строить каждое имя целиком по шаблону; остальные параметры применяются уже к результату</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Вставить &amp;маркер</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Показывать скрытые файлы</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Показывать файлы только для чтения</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Переименовывать цепочки и обмены через временные имена</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Сортировать имена в естественном порядке (file2 перед file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Настройки - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Новое имя файла :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Файл для переименования :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Переименование файла - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>Новое имя файла не может быть пустым.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Не удалось переименовать файл.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Копировать список</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Непрочитанные папки - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>Не удалось прочитать %n подпапку: её файлы не показаны</numerusform>
            <numerusform>Не удалось прочитать %n подпапки: их файлы не показаны</numerusform>
            <numerusform>Не удалось прочитать %n подпапок: их файлы не показаны</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Файлы Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Не удаётся найти этот файл.
Проверьте правильность пути и имени файла.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Не удалось открыть документ.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Не удалось сохранить документ.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Не удалось открыть временный файл для сохранения списка файлов.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Выберите файл для переименования.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Сначала покажите папку: файл списка называет её файлы.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Списки имён (*.tsv *.txt *.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>Список %1 нельзя использовать; новые имена остались прежними.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Выберите файл, которому нужно дать новое имя.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Новое имя файла</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Пробел отмечает текущую строку или снимает отметку, Shift+F10 открывает её меню; Alt, H, B сортирует список по столбцу</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Уменьшить</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Показать содержимое папки в файловом менеджере</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Сведения о файлах в списке&lt;/b&gt;&lt;br&gt;Эта панель показывает папку, из которой взяты файлы списка.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Расположение папки</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Снять все отметки</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Переключить</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Исходная папка в файловом менеджере</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Экспорт списка файлов</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Параметры переименования</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Переименовать выбранный файл сейчас</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Переименовать выбранный файл сейчас в отдельном окне.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Переименовать выбранный файл</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Обновить список</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Заново просмотреть выбранную папку и перезагрузить список файлов</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Перезагрузить список файлов (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Показать новые имена по параметрам</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Убрать из списка неотмеченные файлы</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Копировать имя текущего файла</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Начать переименование файлов</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Поделиться в Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Поделиться адресом этой программы в Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Поделиться в Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Файлы в подпапках</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Показать файлы из подпапок выбранной папки</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Поиск в подпапках</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Отменить переименование</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Вернуть файлам последнего пакета прежние имена</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Отменить переименование (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Остановить поиск или переименование; уже найденные или переименованные файлы останутся такими</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Отмена (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Непрочитанные папки...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Показать подпапки, которые не удалось прочитать при последнем поиске, и почему</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Непрочитанные папки</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Окна...</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>&amp;Синий стиль</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Чёрный стиль</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Се&amp;ребристый стиль</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Стиль «&amp;Аква»</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Панель &amp;заголовка</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Показать или скрыть панель заголовка</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Показать/скрыть панель заголовка</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвовать</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;О программе Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Создать новый документ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Открыть существующий документ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Закрыть активный документ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Сохранить активный документ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Сохранить активный документ под новым именем</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Последний файл</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Открыть этот документ</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Новое окно</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Открыть ещё одно окно для активного документа</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Новое окно</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Упорядочить значки</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Упорядочить значки внизу окна</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Упорядочить значки</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Каскадом</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Расположить окна с перекрытием</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Окна каскадом</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Мозаикой</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Расположить окна мозаикой без перекрытия</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Окна мозаикой</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Выйти из программы; предлагает сохранить документы</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Показать/скрыть строку состояния</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Следующая область</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Перейти к следующей области окна</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Предыдущая область</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Вернуться к предыдущей области окна</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Пара&amp;метры страницы</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>&amp;Быстрая печать</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Мелкие значки</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>К&amp;рупные значки</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>С&amp;писок</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>По &amp;имени</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>&amp;Автоупорядочивание</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>&amp;Выровнять значки</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Переименовать по &amp;списку...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Загрузить новые имена из списка: старые и новые имена через табуляцию, CSV или сохранённый вывод предпросмотра</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Переименовать по списку (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Изменить новые имена как &amp;текст</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Изменять каждое новое имя как строку текста; список обновляется по мере ввода</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Изменить новые имена как текст (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Изменить новое &amp;имя файла</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Ввести в списке новое имя текущей строки (или дважды щёлкнуть ячейку)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Изменить новое имя файла (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Сортировать список по этому столбцу; повторно — в обратном порядке</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;Номер</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Сортировать по номеру</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>&amp;Загруженное имя файла</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Сортировать по загруженному имени файла</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>Но&amp;вое имя файла</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Сортировать по новому имени файла</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>&amp;Последнее изменение</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Сортировать по последнему изменению</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Сортировать по размеру</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>Р&amp;асположение</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Сортировать по расположению</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Загруженное имя файла</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Новое имя файла</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Последнее изменение</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Просмотр и печать документа</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>&amp;Быстрая печать</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Пара&amp;метры страницы</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Последние документы</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Нет сохранённых предустановок)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Сохранить текущие параметры как предустановку...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Импорт предустановки...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>&amp;Управление предустановками...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Главная</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Панель заголовка</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Файлы в подпапках</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Содержимое папки</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Обновить список</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Расположение папки</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Параметры переименования</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Выбранный файл</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Отменить переименование
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Окно
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Окна
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Новое окно</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Предустановки</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Предустановки параметров переименования</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Применить сохранённую предустановку параметров переименования или сохранить текущие</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>По списку...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Имена как текст</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Изменить новое имя</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Ничего не переименовывается: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>«%1» нет в списке</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>«%1» уже указан в строке %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Поиск файлов в [%1]: найден %n файл</numerusform>
            <numerusform>Поиск файлов в [%1]: найдено %n файла</numerusform>
            <numerusform>Поиск файлов в [%1]: найдено %n файлов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>В списке %n файл из папки [%1]</numerusform>
            <numerusform>В списке %n файла из папки [%1]</numerusform>
            <numerusform>В списке %n файлов из папки [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Скрытые файлы пропущены</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Файлы только для чтения пропущены</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Другой отмеченный файл в этой папке получил бы то же имя.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Это имя уже у файла, который не переименовывается.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>Новое имя нельзя использовать (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>Правило не смогло дать имя этому файлу: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n новое имя отмечено как конфликт)</numerusform>
            <numerusform> (%n новых имени отмечены как конфликты)</numerusform>
            <numerusform> (%n новых имён отмечены как конфликты)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Файлы из подпапок не показаны</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n не прочитана</numerusform>
            <numerusform>, %n не прочитаны</numerusform>
            <numerusform>, %n не прочитано</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Укажите расположение папки, чтобы показать &amp;&amp; переименовать файлы.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Список файлов, найденных в папке %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (поиск отменён: список неполный)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Не удалось получить список файлов из [%1].

Файлы из подпапок не загружаются.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>В папке [%1] файлы не найдены.

Файлы из подпапок не загружаются.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Статистика файлов</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Сведения о папках</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>Для этого файла у шаблона имени нет значения (%1); файл сохраняет своё имя.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n файл без значения шаблона)</numerusform>
            <numerusform> (%n файла без значения шаблона)</numerusform>
            <numerusform> (%n файлов без значения шаблона)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>&amp;Синий стиль</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Чёрный стиль</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Се&amp;ребристый стиль</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Стиль «&amp;Аква»</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Изменить новые имена как текст</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>По одной строке на каждую строку списка, в том же порядке. Изменённая строка сразу становится новым именем этой строки; добавлять и удалять строки нельзя. Пишите \t, \n, \r, \\ и \0 вместо табуляции, перевода строки, возврата каретки, обратной косой черты и NUL, \xHH вместо байта не в UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Новые имена файлов, по одному в строке</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>В тексте %1 строк на %2 строк списка: добавлять и удалять строки нельзя (Ctrl+Z отменяет изменение). Список сохраняет свои имена, пока на каждую его строку не придётся одна строка текста.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>Список сохраняет свои имена, пока эти строки нельзя прочитать:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Предустановки (*.conf);;Все файлы (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Предустановка «%1» уже существует. Заменить её?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Это имя нельзя использовать.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Не удалось применить предустановку «%1»; ничего не изменено.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Сохранить текущие параметры переименования как предустановку:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Не удалось сохранить предустановку «%1».</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Новое имя предустановки «%1»:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Не удалось переименовать предустановку «%1».</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Удалить предустановку «%1»?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Не удалось удалить предустановку «%1».</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Импортировать файл предустановки как предустановку:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Не удалось импортировать файл предустановки; ничего не изменено.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Не удалось экспортировать предустановку «%1».</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Показывает команды свёрнутой группы</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Лента</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Нажмите Alt, чтобы показать подсказки клавиш для команд</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Сортировать по</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Сортировать список</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Сортировать список по одному из столбцов; повторный выбор — в обратном порядке</translation>
    </message>
</context>
<context>
    <name>StatusPane</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Пожертвовать</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Изменить оформление</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Выбрать одну из тем Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (&amp;синий стиль)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (&amp;чёрный стиль)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (се&amp;ребристый стиль)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (стиль «&amp;Аква»)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Активировать</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Закрыть окна</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Окна документов</translation>
    </message>
</context>
</TS>
