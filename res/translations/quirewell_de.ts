<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Klicken, um das Umbenennen der Dateien zu starten</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Keine markierte Datei erhält einen neuen Namen: Nichts umzubenennen.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Umbenennen erledigt: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n Datei umbenannt</numerusform>
            <numerusform>%n Dateien umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n Datei konnte nicht umbenannt werden</numerusform>
            <numerusform>%n Dateien konnten nicht umbenannt werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, abgebrochen vor %n Datei</numerusform>
            <numerusform>, abgebrochen vor %n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Dateien werden umbenannt: %1 von %n erledigt</numerusform>
            <numerusform>Dateien werden umbenannt: %1 von %n erledigt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>Im Stapel vom %1 im Ordner [%2] gibt es nichts zurückzubenennen.</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Stapelumbenennung vom %1 im Ordner [%2] rückgängig machen.

%n Datei jetzt wieder in ihren alten Namen umbenennen?</numerusform>
            <numerusform>Stapelumbenennung vom %1 im Ordner [%2] rückgängig machen.

%n Dateien jetzt wieder in ihre alten Namen umbenennen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>Die neueste Stapelumbenennung, vom %1 im Ordner [%2], hat nichts umbenannt: Dort gibt es nichts rückgängig zu machen.

Stattdessen: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Übersprungen: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>Die Stapelumbenennung vom %1 im Ordner [%2] wurde unterbrochen: %3 von %n Datei waren umbenannt.</numerusform>
            <numerusform>Die Stapelumbenennung vom %1 im Ordner [%2] wurde unterbrochen: %3 von %n Dateien waren umbenannt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Die bereits erfolgte Umbenennung (%n) rückgängig machen</numerusform>
            <numerusform>Die %n bereits erfolgten Umbenennungen rückgängig machen</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Beibehalten</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Rückgängig gestoppt: %n Datei zurückbenannt, der Rest kann erneut rückgängig gemacht werden</numerusform>
            <numerusform>Rückgängig gestoppt: %n Dateien zurückbenannt, der Rest kann erneut rückgängig gemacht werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Rückgängig erledigt: %n Datei in ihren alten Namen zurückbenannt</numerusform>
            <numerusform>Rückgängig erledigt: %n Dateien in ihre alten Namen zurückbenannt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, Version %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
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
        <translation>Nicht umbenannte Dateien - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n umbenannt</numerusform>
            <numerusform>%n umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n konnte nicht umbenannt werden</numerusform>
            <numerusform>%n konnten nicht umbenannt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fehlschläge</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Geladener Dateiname</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>Nummer am Anfang ab :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Nummer am Ende ab :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Suchen &amp;&amp; Ersetzen im Dateinamen</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Neuer Name :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Zeichen am Anfang entfernen, Anzahl :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Nummern in jedem &amp;Ordner neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>Zahlen im Namen auf&amp;füllen auf Stellen :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>Die Mindestzahl an Stellen, mit führenden Nullen (0 oder 1: so viele, wie die Zahl hat)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Wird von Datei zu Datei zur Nummer addiert (negativ: zählt abwärts)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Regulärer Ausd&amp;ruck</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Alle erset&amp;zen</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>Jedes &amp;Wort groß</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Nur Satzanfang &amp;groß</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>&amp;Leerzeichen kürzen</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>In AS&amp;CII schreiben</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>&amp;Endung kleinschreiben</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Ganzer Name</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Name ohne Endung</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Nur Endung</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Was Suchen &amp;&amp; Ersetzen und die Schreibweisen ändern; Wort- und Satzanfang groß ändern nie die Endung des ganzen Namens</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Andere Schriften in lateinischen Buchstaben, ohne Akzente; Emoji und Bytes, die kein UTF-8 sind, bleiben erhalten</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Keine Leerzeichen um den Namen ohne Endung, eines für jede Folge</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>&amp;Suchen :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Ersetzen durch :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>Alle &amp;umbenennen</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Stellen :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Schritt :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>Suchen &amp;&amp; Ersetzen und Schreibweise anwenden &amp;auf :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Umbenennungsparameter - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Bitte eine ganze Zahl eingeben. Die letzte gültige Zahl bleibt erhalten.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. Die Liste zeigt die Namen des letzten gültigen Ausdrucks, und nichts wird umbenannt, bis er korrigiert ist.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(keine gewählt)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Eine Vorlage wählen, um ihre Umbenennungsparameter in dieses Fenster zu übernehmen</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>&amp;Vorlage anwenden :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>Vorlagen verwal&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>Aktuelle Parameter als Vorlage &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>Vorlage &amp;umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>Vorlage &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>Vorlage &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>Vorlage &amp;exportieren...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Ungültiges Namensmuster an Position %1: %2. Die Liste zeigt die Namen des letzten gültigen Musters; umbenannt wird erst, wenn es korrigiert ist.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (kein Wert)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Na&amp;mensmuster :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Jeden ganzen Namen aus dem Muster bilden; die übrigen Parameter werden danach darauf angewendet</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>&amp;Platzhalter einfügen</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Versteckte Dateien auflisten</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Schreibgeschützte Dateien auflisten</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Ketten und Tausche über temporäre Namen umbenennen</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Namen natürlich sortieren (file2 vor file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Einstellungen - </translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Neuer Dateiname :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Umzubenennende Datei :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Einzelne Datei umbenennen - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>Der neue Dateiname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Die Datei konnte nicht umbenannt werden.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Nicht gelesene Ordner - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n Unterordner konnte nicht gelesen werden: Seine Dateien sind nicht aufgeführt</numerusform>
            <numerusform>%n Unterordner konnten nicht gelesen werden: Ihre Dateien sind nicht aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Orvalt-Quirewell-Dateien (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob Pfad und Dateiname stimmen.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Die temporäre Datei zum Speichern der Dateiliste konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Bitte eine Datei zum Umbenennen auswählen.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Zuerst einen Ordner auflisten: Die Listendatei nennt seine Dateien.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Namenslisten (*.tsv *.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>Die Liste %1 kann nicht verwendet werden; die neuen Namen bleiben, wie sie waren.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Bitte eine Datei auswählen, die einen neuen Dateinamen erhalten soll.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Leertaste hakt die aktuelle Zeile an oder ab, Umschalt+F10 öffnet ihr Menü; Alt, H, B sortiert die Liste nach einer Spalte</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Ordnerinhalt im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Informationen zu den aufgeführten Dateien&lt;/b&gt;&lt;br&gt;Diese Leiste zeigt den Ordner, aus dem die Dateien aufgeführt werden.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Ordnerpfad</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Quellordner im Dateimanager</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Dateiliste exportieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Umbenennungsparameter</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Ausgewählte Datei jetzt umbenennen</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Die ausgewählte Datei jetzt in einem eigenen Fenster umbenennen.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Ausgewählte Datei umbenennen</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Dateiliste aktualisieren</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Den gewählten Ordner erneut durchsuchen und die Dateiliste neu laden</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Dateiliste neu laden (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Neue Dateinamen gemäß den Parametern anzeigen</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Nicht markierte Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Aktuellen Dateinamen kopieren</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Umbenennen der Dateien starten</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Die Adresse dieser Software auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Dateien in Unterordnern</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Dateien aus den Unterordnern des gewählten Ordners auflisten</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Suche in Unterordnern</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Umbenennen rückgängig</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Die Dateien des letzten Stapels wieder in ihre alten Namen umbenennen</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Umbenennen rückgängig (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Auflisten oder Umbenennen anhalten; bisher aufgelistete oder umbenannte Dateien bleiben so</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Abbrechen (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Nicht gelesene Ordner...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Die Unterordner auflisten, die beim letzten Auflisten nicht gelesen werden konnten, und warum</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Nicht gelesene Ordner</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Fenster...</translation>
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
        <translation>&amp;Blauer Stil</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Schwarzer Stil</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>S&amp;ilberner Stil</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>&amp;Aqua-Stil</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>&amp;Titelleiste</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Die Titelleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Titelleiste ein/aus</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;Über Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Das aktive Dokument schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt verwendete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Symbole am unteren Fensterrand anordnen</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Über&amp;lappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Fenster überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Ne&amp;beneinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Fenster nebeneinander ohne Überlappung anordnen</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Fenster nebeneinander</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt nach dem Speichern der Dokumente</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Zum nächsten Fensterbereich wechseln</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Zum vorherigen Fensterbereich zurückwechseln</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Seite ein&amp;richten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>S&amp;chnelldruck</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>&amp;Automatisch anordnen</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>Symbole a&amp;usrichten</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Aus &amp;Liste umbenennen...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Die neuen Dateinamen aus einer Liste laden: alte und neue Namen durch Tabulator getrennt, CSV oder eine gespeicherte Vorschau-Ausgabe</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Aus Liste umbenennen (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Neue Namen als &amp;Text bearbeiten</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Jeden neuen Dateinamen als eine Textzeile bearbeiten; die Liste folgt beim Tippen</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Neue Namen als Text bearbeiten (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Neuen Datei&amp;namen bearbeiten</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Den neuen Dateinamen der aktuellen Zeile in der Liste eingeben (oder die Zelle doppelklicken)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Neuen Dateinamen bearbeiten (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Liste nach dieser Spalte sortieren; erneut zum Umkehren</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;Nr.</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Nach Nr. sortieren</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>&amp;Geladener Dateiname</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Nach geladenem Dateinamen sortieren</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>Ne&amp;uer Dateiname</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Nach neuem Dateinamen sortieren</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>&amp;Letzte Änderung</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Nach letzter Änderung sortieren</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Nach Größe sortieren</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Speicherort</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Nach Speicherort sortieren</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Geladener Dateiname</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Dokument in der Vorschau ansehen und drucken</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>S&amp;chnelldruck</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Seite ein&amp;richten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Zuletzt verwendete Dokumente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Keine Vorlagen gespeichert)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>Aktuelle Parameter als Vorlage &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>Vorlage &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>Vorlagen &amp;verwalten...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Titelleiste</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Dateien in Unterordnern</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Dateiliste aktualisieren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Umbenennungsparameter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Ausgewählte Datei</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Umbenennen rückgängig
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Fenster
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Fenster
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Vorlagen für Umbenennungsparameter</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Eine gespeicherte Vorlage mit Umbenennungsparametern anwenden oder die aktuellen speichern</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>Aus Liste...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Namen als Text</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Neuen Namen bearbeiten</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Nichts wird umbenannt: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>„%1“ ist nicht in der Liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>„%1“ steht bereits in Zeile %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Dateien aus [%1] werden aufgelistet: %n Datei gefunden</numerusform>
            <numerusform>Dateien aus [%1] werden aufgelistet: %n Dateien gefunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n Datei im Ordner [%1]</numerusform>
            <numerusform>%n Dateien im Ordner [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Versteckte Dateien ignoriert</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Schreibgeschützte Dateien ignoriert</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Eine andere markierte Datei in diesem Ordner würde denselben Namen erhalten.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Eine Datei, die nicht umbenannt wird, hat bereits diesen Namen.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>Der neue Name kann nicht verwendet werden (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>Die Regel konnte dieser Datei keinen Namen geben: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n neuer Dateiname als Konflikt markiert)</numerusform>
            <numerusform> (%n neue Dateinamen als Konflikt markiert)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Dateien aus Unterordnern nicht aufgelistet</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n nicht gelesen</numerusform>
            <numerusform>, %n nicht gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Ordnerpfad bearbeiten, um Dateien aufzulisten &amp;&amp; umzubenennen.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Liste der gefundenen Dateien im Ordner %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (Auflisten abgebrochen: Die Liste ist unvollständig)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Die Dateien aus [%1] konnten nicht aufgelistet werden.

Dateien aus Unterordnern werden nicht geladen.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Im Ordner [%1] wurden keine Dateien gefunden.

Dateien aus Unterordnern werden nicht geladen.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Dateistatistik</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Ordnerinformationen</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>Das Namensmuster hat für diese Datei keinen Wert (%1); sie behält ihren Namen.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n Datei ohne Musterwert)</numerusform>
            <numerusform> (%n Dateien ohne Musterwert)</numerusform>
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
        <translation>&amp;Blauer Stil</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Schwarzer Stil</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>S&amp;ilberner Stil</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>&amp;Aqua-Stil</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Neue Namen als Text bearbeiten</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Eine Zeile je Listenzeile, in ihrer Reihenfolge. Eine geänderte Zeile wird sofort zum neuen Namen dieser Zeile; Zeilen können weder hinzugefügt noch entfernt werden. Schreiben Sie \t, \n, \r, \\ und \0 für Tabulator, Zeilenvorschub, Wagenrücklauf, Backslash und NUL, \xHH für ein Byte, das kein UTF-8 ist.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Neue Dateinamen, einer pro Zeile</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>Der Text hat %1 Zeilen für die %2 Zeilen der Liste: Zeilen können weder hinzugefügt noch entfernt werden (Strg+Z nimmt eine Änderung zurück). Die Liste behält ihre Namen, bis es eine Zeile je Listenzeile gibt.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>Die Liste behält ihre Namen, bis diese Zeilen gelesen werden können:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Vorlagen (*.conf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Eine Vorlage namens „%1“ gibt es bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Dieser Name kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Die Vorlage „%1“ konnte nicht angewendet werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Die aktuellen Umbenennungsparameter als Vorlage speichern:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Die Vorlage „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Neuer Name der Vorlage „%1“:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Die Vorlage „%1“ konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ löschen?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Die Vorlage „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Die Vorlagendatei als diese Vorlage importieren:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Die Vorlagendatei konnte nicht importiert werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Die Vorlage „%1“ konnte nicht exportiert werden.</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Zeigt die Befehle der eingeklappten Gruppe</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Menüband</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Alt drücken, um die Tastenhinweise der Befehle anzuzeigen</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Liste sortieren</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Die Liste nach einer ihrer Spalten sortieren; erneut wählen zum Umkehren</translation>
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
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Darstellung ändern</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Eines der Office-2007-Designs wählen</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (&amp;Blauer Stil)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (&amp;Schwarzer Stil)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (S&amp;ilberner Stil)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (&amp;Aqua-Stil)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Aktivieren</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>Fenster &amp;schließen</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Dokumentfenster</translation>
    </message>
</context>
</TS>
