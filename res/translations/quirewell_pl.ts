<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Kliknij, aby rozpocząć zmianę nazw plików</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Żaden zaznaczony plik nie dostaje nowej nazwy: nie ma czego zmieniać.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Zmiana nazw zakończona: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>zmieniono nazwę %n pliku</numerusform>
            <numerusform>zmieniono nazwy %n plików</numerusform>
            <numerusform>zmieniono nazwy %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>nie udało się zmienić nazwy %n pliku</numerusform>
            <numerusform>nie udało się zmienić nazw %n plików</numerusform>
            <numerusform>nie udało się zmienić nazw %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, przerwano przed %n plikiem</numerusform>
            <numerusform>, przerwano przed %n plikami</numerusform>
            <numerusform>, przerwano przed %n plikami</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Zmiana nazw plików: gotowe %1 z %n</numerusform>
            <numerusform>Zmiana nazw plików: gotowe %1 z %n</numerusform>
            <numerusform>Zmiana nazw plików: gotowe %1 z %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>W partii z %1 w folderze [%2] nie ma czego przywracać.</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Cofnij zbiorczą zmianę nazw z %1 w folderze [%2].

Przywrócić teraz starą nazwę %n pliku?</numerusform>
            <numerusform>Cofnij zbiorczą zmianę nazw z %1 w folderze [%2].

Przywrócić teraz stare nazwy %n plików?</numerusform>
            <numerusform>Cofnij zbiorczą zmianę nazw z %1 w folderze [%2].

Przywrócić teraz stare nazwy %n plików?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>Najnowsza zbiorcza zmiana nazw, z %1 w folderze [%2], niczego nie zmieniła: nie ma w niej czego cofać.

Zamiast tego: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Pominięto: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>Zbiorcza zmiana nazw z %1 w folderze [%2] została przerwana: zmieniono nazwy %3 z %n pliku.</numerusform>
            <numerusform>Zbiorcza zmiana nazw z %1 w folderze [%2] została przerwana: zmieniono nazwy %3 z %n plików.</numerusform>
            <numerusform>Zbiorcza zmiana nazw z %1 w folderze [%2] została przerwana: zmieniono nazwy %3 z %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Cofnij %n wykonaną zmianę nazwy</numerusform>
            <numerusform>Cofnij %n wykonane zmiany nazw</numerusform>
            <numerusform>Cofnij %n wykonanych zmian nazw</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Zachowaj je</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Cofanie przerwane: przywrócono starą nazwę %n pliku, resztę można cofnąć ponownie</numerusform>
            <numerusform>Cofanie przerwane: przywrócono stare nazwy %n plików, resztę można cofnąć ponownie</numerusform>
            <numerusform>Cofanie przerwane: przywrócono stare nazwy %n plików, resztę można cofnąć ponownie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Cofanie zakończone: przywrócono starą nazwę %n pliku</numerusform>
            <numerusform>Cofanie zakończone: przywrócono stare nazwy %n plików</numerusform>
            <numerusform>Cofanie zakończone: przywrócono stare nazwy %n plików</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, wersja %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>Pliki bez zmienionej nazwy - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>zmieniono: %n</numerusform>
            <numerusform>zmieniono: %n</numerusform>
            <numerusform>zmieniono: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>nie zmieniono: %n</numerusform>
            <numerusform>nie zmieniono: %n</numerusform>
            <numerusform>nie zmieniono: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Wczytana nazwa pliku</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nowa nazwa pliku</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Powód</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>Numer na początku, od :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Numer na końcu, od :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Znajdź &amp;&amp; zamień w nazwie pliku</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Nowa nazwa :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Usuń początkowe znaki, liczba :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Wielkie litery</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Małe litery</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Numeruj od nowa w każdym &amp;folderze</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>&amp;Uzupełnij liczby w nazwie do cyfr :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>Najmniejsza liczba cyfr, z zerami na początku (0 lub 1: tyle, ile ma liczba)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Dodawany do numeru z pliku na plik (ujemny: liczy w dół)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Wyrażenie &amp;regularne</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Uwzględniaj &amp;wielkość liter</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Zastąp wszystki&amp;e</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>&amp;Każde słowo wielką literą</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Wielka litera na początku z&amp;dania</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Przytnij &amp;spacje</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Zapisz w &amp;ASCII</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>Rozszerzenie &amp;małymi literami</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Cała nazwa</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Nazwa bez rozszerzenia</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Tylko rozszerzenie</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Co zmieniają Znajdź &amp;&amp; zamień i pola wielkości liter; wielka litera w każdym słowie lub na początku zdania nigdy nie zmienia rozszerzenia całej nazwy</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Inne pisma literami łacińskimi, bez znaków diakrytycznych; emoji i bajty spoza UTF-8 zostają</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Bez spacji wokół nazwy bez rozszerzenia, jedna zamiast każdego ciągu</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>Zna&amp;jdź :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Zamień na :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>&amp;Zmień nazwy wszystkich</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Cyfry :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Krok :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>Zastosuj Znajdź &amp;&amp; zamień i wielkość liter d&amp;o :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Parametry zmiany nazw - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Wpisz liczbę całkowitą. Zachowana zostaje ostatnia poprawna liczba.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. Lista pokazuje nazwy z ostatniego poprawnego wyrażenia i nic nie zostanie zmienione, dopóki nie zostanie ono poprawione.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(nie wybrano)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Wybierz szablon, aby wstawić jego parametry zmiany nazw do tego okna</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>Zastosuj szab&amp;lon :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>Zarządzaj sza&amp;blonami</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Zapisz bieżące parametry jako szablon...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>Zmień &amp;nazwę szablonu...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Usuń szablon</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importuj szablon...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>&amp;Eksportuj szablon...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Nieprawidłowy wzorzec na pozycji %1: %2. Lista pokazuje nazwy z ostatniego poprawnego wzorca i nic nie zostanie przemianowane, dopóki nie zostanie poprawiony.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (brak wartości)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Wzorze&amp;c nazwy :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Buduje każdą pełną nazwę z wzorca; pozostałe parametry są stosowane potem do wyniku</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Wstaw &amp;pole</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Pokazuj pliki ukryte</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Pokazuj pliki tylko do odczytu</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Zmieniaj łańcuchy i zamiany nazw przez nazwy tymczasowe</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Sortuj nazwy w porządku naturalnym (file2 przed file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Ustawienia - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Nowa nazwa pliku :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Plik do zmiany nazwy :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Zmiana nazwy jednego pliku - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>Nowa nazwa pliku nie może być pusta.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Nie udało się zmienić nazwy pliku.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Kopiuj listę</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Nieodczytane foldery - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>Nie udało się odczytać %n podfolderu: jego pliki nie są wyświetlane</numerusform>
            <numerusform>Nie udało się odczytać %n podfolderów: ich pliki nie są wyświetlane</numerusform>
            <numerusform>Nie udało się odczytać %n podfolderów: ich pliki nie są wyświetlane</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Powód</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Pliki Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Nie można znaleźć tego pliku.
Sprawdź, czy ścieżka i nazwa pliku są poprawne.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Nie udało się otworzyć dokumentu.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Nie udało się zapisać dokumentu.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Nie udało się otworzyć pliku tymczasowego, aby zapisać listę plików.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Wybierz plik, którego nazwę chcesz zmienić.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Najpierw wyświetl folder: plik listy podaje nazwy jego plików.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Listy nazw (*.tsv *.txt *.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>Nie można użyć listy %1; nowe nazwy pozostają bez zmian.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Wybierz plik, któremu chcesz nadać nową nazwę.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nowa nazwa pliku</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista plików</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Spacja zaznacza lub odznacza bieżący wiersz, Shift+F10 otwiera jego menu; Alt, H, B sortuje listę według kolumny</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Pokaż zawartość folderu w menedżerze plików</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Informacje o wyświetlanych plikach&lt;/b&gt;&lt;br&gt;Ten pasek pokazuje folder, z którego pochodzą pliki na liście.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Położenie folderu</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Pokaż w menedżerze plików</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Przełącz</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Folder źródłowy w menedżerze plików</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Eksportuj listę plików</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parametry zmiany nazw</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Zmień teraz nazwę wybranego pliku</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Zmień teraz nazwę wybranego pliku w osobnym oknie.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Zmień nazwę wybranego pliku</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Odśwież listę</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Przeszukaj ponownie wybrany folder i wczytaj listę plików od nowa</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Wczytaj listę plików ponownie (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Pokaż nowe nazwy według parametrów</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Usuń z listy niezaznaczone pliki</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Kopiuj nazwę bieżącego pliku</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Rozpocznij zmianę nazw plików</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Udostępnij na Facebooku</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Udostępnij adres tego programu na Facebooku</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Udostępnij na Facebooku</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Pliki w podfolderach</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Pokaż pliki z podfolderów wybranego folderu</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Szukanie w podfolderach</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Cofnij zmianę nazw</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Przywróć plikom z ostatniej partii ich stare nazwy</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Cofnij zmianę nazw (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Zatrzymaj wyszukiwanie lub zmianę nazw; dotychczas wyszukane lub zmienione pliki pozostają bez zmian</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Anuluj (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Nieodczytane foldery...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Pokaż podfoldery, których nie udało się odczytać przy ostatnim wyszukiwaniu, i dlaczego</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Nieodczytane foldery</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Okna...</translation>
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
        <translation>Styl &amp;niebieski</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Styl &amp;czarny</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Styl &amp;srebrny</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Styl &amp;aqua</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Pasek &amp;podpisu</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Pokaż lub ukryj pasek podpisu</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Pokaż/ukryj pasek podpisu</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Wesprzyj</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;O programie Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Pokaż informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Utwórz nowy dokument</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Otwórz istniejący dokument</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Zamknij aktywny dokument</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Zapisz aktywny dokument</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Zapisz aktywny dokument pod nową nazwą</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ostatni plik</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Otwórz ten dokument</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nowe okno</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Otwórz kolejne okno aktywnego dokumentu</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nowe okno</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Rozmieść ikony</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Rozmieść ikony u dołu okna</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Rozmieść ikony</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Kaskadowo</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Rozmieść okna tak, by na siebie zachodziły</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Okna kaskadowo</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Sąsiadująco</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Rozmieść okna obok siebie, bez nakładania</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Okna sąsiadująco</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Zakończ program; pyta o zapisanie dokumentów</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Pokaż lub ukryj pasek stanu</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Pokaż/ukryj pasek stanu</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Następny panel</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Przejdź do następnego panelu okna</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Poprzedni panel</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Wróć do poprzedniego panelu okna</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Ustawienia strony</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>&amp;Szybki wydruk</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Małe ikony</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Duże ikony</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>Szc&amp;zegóły</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Według &amp;nazwy</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>&amp;Autorozmieszczanie</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>W&amp;yrównaj ikony</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Zmień nazwy według &amp;listy...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Wczytaj nowe nazwy z listy: stare i nowe nazwy rozdzielone tabulatorem, CSV lub zapisany podgląd</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Zmień nazwy według listy (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Edytuj nowe nazwy jako &amp;tekst</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Edytuj każdą nową nazwę jako jeden wiersz tekstu; lista nadąża za pisaniem</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Edytuj nowe nazwy jako tekst (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Edytuj nową &amp;nazwę pliku</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Wpisz na liście nową nazwę bieżącego wiersza (lub kliknij komórkę dwukrotnie)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Edytuj nową nazwę pliku (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Sortuj listę według tej kolumny; ponownie, aby odwrócić</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;Lp.</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Sortuj według Lp.</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>&amp;Wczytana nazwa pliku</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Sortuj według wczytanej nazwy pliku</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>&amp;Nowa nazwa pliku</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Sortuj według nowej nazwy pliku</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>&amp;Ostatnia zmiana</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Sortuj według ostatniej zmiany</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Sortuj według rozmiaru</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Położenie</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Sortuj według położenia</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>Lp.</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Wczytana nazwa pliku</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nowa nazwa pliku</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Ostatnia zmiana</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Podgląd i wydruk dokumentu</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>&amp;Szybki wydruk</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Ustawienia strony</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Ostatnie dokumenty</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Brak zapisanych szablonów)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Zapisz bieżące parametry jako szablon...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importuj szablon...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>Zarządzaj sza&amp;blonami...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>Narzędzia &amp;główne</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Pasek podpisu</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Pliki w podfolderach</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Zawartość folderu</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Odśwież listę</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Położenie folderu</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Ustawienia programu</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parametry zmiany nazw</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmiana nazwy</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Wybrany plik</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Cofnij zmianę nazw
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Okno
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Okna
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nowe okno</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Szablony</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Szablony parametrów zmiany nazw</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Zastosuj zapisany szablon parametrów zmiany nazw lub zapisz bieżące</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>Z listy...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Nazwy jako tekst</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Edytuj nową nazwę</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Żadna nazwa nie zostanie zmieniona: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>„%1” nie ma na liście</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>„%1” występuje już w wierszu %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Wyszukiwanie plików w [%1]: znaleziono %n plik</numerusform>
            <numerusform>Wyszukiwanie plików w [%1]: znaleziono %n pliki</numerusform>
            <numerusform>Wyszukiwanie plików w [%1]: znaleziono %n plików</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n plik z folderu [%1]</numerusform>
            <numerusform>%n pliki z folderu [%1]</numerusform>
            <numerusform>%n plików z folderu [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Pominięto pliki ukryte</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Pominięto pliki tylko do odczytu</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Inny zaznaczony plik w tym folderze dostałby tę samą nazwę.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Tę nazwę ma już plik, którego nazwa się nie zmienia.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>Nowej nazwy nie można użyć (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>Reguła nie mogła nadać nazwy temu plikowi: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n nowa nazwa oznaczona jako konflikt)</numerusform>
            <numerusform> (%n nowe nazwy oznaczone jako konflikty)</numerusform>
            <numerusform> (%n nowych nazw oznaczonych jako konflikty)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Pliki z podfolderów nie są wyświetlane</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n nieodczytany</numerusform>
            <numerusform>, %n nieodczytane</numerusform>
            <numerusform>, %n nieodczytanych</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Zmień położenie folderu, aby wyświetlić pliki &amp;&amp; zmienić ich nazwy.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Lista plików znalezionych w folderze %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (wyszukiwanie przerwane: lista jest niepełna)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Nie udało się wyświetlić plików z [%1].

Pliki z podfolderów nie są wczytywane.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>W folderze [%1] nie znaleziono plików.

Pliki z podfolderów nie są wczytywane.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Statystyka plików</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Informacje o folderach</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>Wzorzec nazwy nie ma wartości dla tego pliku (%1); plik zachowuje swoją nazwę.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n plik bez wartości wzorca)</numerusform>
            <numerusform> (%n pliki bez wartości wzorca)</numerusform>
            <numerusform> (%n plików bez wartości wzorca)</numerusform>
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
        <translation>Styl &amp;niebieski</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Styl &amp;czarny</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Styl &amp;srebrny</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Styl &amp;aqua</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Edytuj nowe nazwy jako tekst</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Jeden wiersz na każdy wiersz listy, w tej samej kolejności. Zmieniony wiersz od razu staje się nową nazwą tego wiersza; wierszy nie można dodawać ani usuwać. Pisz \t, \n, \r, \\ i \0 zamiast tabulatora, nowego wiersza, powrotu karetki, ukośnika wstecznego i znaku NUL, \xHH zamiast bajtu spoza UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Nowe nazwy plików, po jednej w wierszu</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>Tekst ma %1 wierszy na %2 wierszy listy: wierszy nie można dodawać ani usuwać (Ctrl+Z cofa zmianę). Lista zachowuje swoje nazwy, dopóki nie będzie jednego wiersza na każdy wiersz listy.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>Lista zachowuje swoje nazwy, dopóki tych wierszy nie da się odczytać:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Szablony (*.conf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Szablon o nazwie „%1” już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Tej nazwy nie można użyć.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Nie udało się zastosować szablonu „%1”; nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Zapisz bieżące parametry zmiany nazw jako szablon:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Nie udało się zapisać szablonu „%1”.</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Nowa nazwa szablonu „%1”:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Nie udało się zmienić nazwy szablonu „%1”.</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Usunąć szablon „%1”?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Nie udało się usunąć szablonu „%1”.</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Importuj plik szablonu jako szablon:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Nie udało się zaimportować pliku szablonu; nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Nie udało się wyeksportować szablonu „%1”.</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Pokazuje polecenia zwiniętej grupy</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Wstążka</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Naciśnij Alt, aby pokazać skróty klawiszowe poleceń</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Sortuj według</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Sortuj listę</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Sortuj listę według jednej z kolumn; wybierz ją ponownie, aby odwrócić</translation>
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
        <translation>Pasek stanu</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Wesprzyj</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Zmień styl wyglądu</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Wybierz jeden z motywów Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (styl &amp;niebieski)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (styl &amp;czarny)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (styl &amp;srebrny)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (styl &amp;aqua)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Okna</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Aktywuj</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Zamknij okna</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Okna dokumentów</translation>
    </message>
</context>
</TS>
