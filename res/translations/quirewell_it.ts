<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Fare clic per avviare la rinomina dei file</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Nessun file selezionato riceve un nuovo nome: niente da rinominare.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Rinomina completata: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n file rinominato</numerusform>
            <numerusform>%n file rinominati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n file non rinominabile</numerusform>
            <numerusform>%n file non rinominabili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, annullato prima di %n file</numerusform>
            <numerusform>, annullato prima di %n file</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Rinomina dei file: %1 di %n completato</numerusform>
            <numerusform>Rinomina dei file: %1 di %n completati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>Niente da ripristinare nel gruppo del %1 nella cartella [%2].</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Annulla la rinomina di gruppo del %1 nella cartella [%2].

Riportare ora %n file al suo nome precedente?</numerusform>
            <numerusform>Annulla la rinomina di gruppo del %1 nella cartella [%2].

Riportare ora %n file ai loro nomi precedenti?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>La rinomina di gruppo più recente, del %1 nella cartella [%2], non ha rinominato nulla: non c&apos;è niente da annullare.

Invece: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Saltato: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>La rinomina di gruppo del %1 nella cartella [%2] è stata interrotta: era stato rinominato %3 file su %n.</numerusform>
            <numerusform>La rinomina di gruppo del %1 nella cartella [%2] è stata interrotta: erano stati rinominati %3 file su %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Annulla la rinomina già eseguita (%n)</numerusform>
            <numerusform>Annulla le %n rinomine già eseguite</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Mantienile</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Annullamento interrotto: %n file riportato al nome precedente, il resto si può annullare di nuovo</numerusform>
            <numerusform>Annullamento interrotto: %n file riportati ai nomi precedenti, il resto si può annullare di nuovo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Annullamento completato: %n file riportato al nome precedente</numerusform>
            <numerusform>Annullamento completato: %n file riportati ai nomi precedenti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, versione %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Contatto: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libero distribuito con la GNU General Public License, versione 3 o successiva.</translation>
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
        <translation>File non rinominati - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n rinominato</numerusform>
            <numerusform>%n rinominati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n non rinominabile</numerusform>
            <numerusform>%n non rinominabili</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nome file caricato</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>Numero all&apos;inizio a partire da :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Numero alla fine a partire da :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Trova &amp;&amp; sostituisci nel nome</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Nuovo nome :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Rimuovi caratteri iniziali, quantità :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Maiuscolo</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Minuscolo</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Ricomincia la numerazione in ogni &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>Com&amp;pleta i numeri nel nome fino a cifre :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>Il numero minimo di cifre, con zeri iniziali (0 o 1: tante quante ne ha il numero)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Aggiunto al numero da un file all&apos;altro (negativo: conta all&apos;indietro)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Espressione &amp;regolare</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distingui &amp;maiuscole</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Sostituisci &amp;tutte</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>&amp;Iniziali maiuscole</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Maiuscola a inizio &amp;frase</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Rimuovi &amp;spazi superflui</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Scrivi in &amp;ASCII</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>&amp;Estensione in minuscolo</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Nome intero</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Nome senza estensione</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Solo estensione</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Che cosa cambiano Trova &amp;&amp; sostituisci e le caselle di maiuscole; le iniziali maiuscole e la maiuscola a inizio frase non cambiano mai l&apos;estensione del nome intero</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Altre scritture in lettere latine, senza accenti; emoji e byte non UTF-8 vengono mantenuti</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Nessuno spazio attorno al nome senza estensione, uno solo per ogni sequenza</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>Tro&amp;va :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Sostituisci con :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>Rin&amp;omina tutti</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Cifre :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Passo :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>Applica Trova &amp;&amp; sostituisci e maiuscole s&amp;u :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Parametri di rinomina - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Inserire un numero intero. Viene mantenuto l&apos;ultimo numero valido.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. L&apos;elenco mostra i nomi dell&apos;ultima espressione valida e nulla viene rinominato finché non è corretta.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(nessuna scelta)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Scegliere una preimpostazione per inserirne i parametri di rinomina in questa finestra</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>App&amp;lica preimpostazione :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>&amp;Gestisci preimpostazioni</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Salva i parametri attuali come preimpostazione...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>&amp;Rinomina preimpostazione...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Elimina preimpostazione</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importa preimpostazione...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>Es&amp;porta preimpostazione...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Modello non valido alla posizione %1: %2. L’elenco mostra i nomi dell’ultimo modello valido e nulla viene rinominato finché non è corretto.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (nessun valore)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Mo&amp;dello del nome :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Costruisce ogni nome completo dal modello; gli altri parametri vengono poi applicati al risultato</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Inserisci to&amp;ken</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Elenca i file nascosti</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Elenca i file di sola lettura</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Rinomina catene e scambi tramite nomi temporanei</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Ordina i nomi in ordine naturale (file2 prima di file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Impostazioni - </translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Nuovo nome file :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;File da rinominare :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Rinomina un file - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>Il nuovo nome del file non può essere vuoto.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Impossibile rinominare il file.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copia elenco</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Cartelle non lette - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>Impossibile leggere %n sottocartella: i suoi file non sono elencati</numerusform>
            <numerusform>Impossibile leggere %n sottocartelle: i loro file non sono elencati</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>File di Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Impossibile trovare questo file.
Verificare che percorso e nome del file siano corretti.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossibile aprire il documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossibile salvare il documento.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Impossibile aprire il file temporaneo per salvare l&apos;elenco dei file.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Selezionare un file da rinominare.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Elencare prima una cartella: il file di elenco ne nomina i file.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Elenchi di nomi (*.tsv *.txt *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>Impossibile usare l&apos;elenco %1; i nuovi nomi restano com&apos;erano.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Selezionare un file a cui dare un nuovo nome.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Elenco dei file</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Spazio seleziona o deseleziona la riga corrente, Maiusc+F10 apre il suo menu; Alt, H, B ordina l’elenco per una colonna</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Mostra il contenuto della cartella nel gestore file</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Informazioni sui file elencati&lt;/b&gt;&lt;br&gt;Questa barra mostra la cartella da cui sono elencati i file.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Percorso cartella</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Seleziona tutti</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Deseleziona tutti</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Mostra nel gestore file</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Cartella di origine nel gestore file</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Esporta elenco file</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parametri di rinomina</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Rinomina ora il file selezionato</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Rinomina ora il file selezionato in una finestra separata.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Rinomina il file selezionato</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Aggiorna elenco</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Esamina di nuovo la cartella scelta e ricarica l&apos;elenco dei file</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Ricarica elenco file (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Mostra i nuovi nomi secondo i parametri</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Rimuovi dall&apos;elenco i file non selezionati</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Copia il nome del file corrente</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Avvia la rinomina dei file</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Condividi su Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Condividi l&apos;indirizzo di questo programma su Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Condividi su Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>File nelle sottocartelle</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Elenca i file delle sottocartelle della cartella scelta</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Ricerca nelle sottocartelle</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Annulla rinomina</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Riporta i file dell&apos;ultimo gruppo ai loro nomi precedenti</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Annulla rinomina (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Interrompi l&apos;elenco o la rinomina; i file già elencati o rinominati restano tali</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Annulla (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Cartelle non lette...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Elenca le sottocartelle che l&apos;ultimo elenco non ha potuto leggere, e perché</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Cartelle non lette</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Finestre...</translation>
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
        <translation>Stile &amp;blu</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Stile &amp;nero</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Stile &amp;argento</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Stile ac&amp;qua</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra del &amp;titolo</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostra o nasconde la barra del titolo</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostra/nascondi barra del titolo</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;Informazioni su Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apre un documento esistente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Chiude il documento attivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Apre questo documento</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nuova finestra</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Apre un&apos;altra finestra per il documento attivo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nuova finestra</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Disponi icone</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Dispone le icone nella parte inferiore della finestra</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Disponi icone</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Sovrapponi</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Dispone le finestre sovrapposte</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Finestre sovrapposte</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Dispone le finestre affiancate senza sovrapporle</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Finestre affiancate</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Chiude l&apos;applicazione; chiede se salvare i documenti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostra/nascondi barra di stato</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Passa al riquadro successivo della finestra</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Riquadro precedente</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Torna al riquadro precedente della finestra</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Imposta pagina</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Stampa &amp;rapida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Antepri&amp;ma di stampa</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>Icone &amp;piccole</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Icone &amp;grandi</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Elenco</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Per &amp;nome</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Disposizione &amp;automatica</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>A&amp;llinea icone</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Rinomina da &amp;elenco...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Carica i nuovi nomi da un elenco: nomi vecchi e nuovi separati da tabulazioni, CSV o un&apos;anteprima salvata</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Rinomina da elenco (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Modifica i nuovi nomi come &amp;testo</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Modifica ogni nuovo nome come una riga di testo; l&apos;elenco segue mentre si scrive</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Modifica i nuovi nomi come testo (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Modifica il nuovo &amp;nome</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Scrivi nell&apos;elenco il nuovo nome della riga corrente (o fai doppio clic sulla cella)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Modifica il nuovo nome (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Ordina l’elenco per questa colonna; di nuovo per invertire</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;N.</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Ordina per N.</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>Nome file &amp;caricato</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Ordina per nome file caricato</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>N&amp;uovo nome file</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Ordina per nuovo nome file</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>Ultima &amp;modifica</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Ordina per ultima modifica</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordina per dimensione</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Percorso</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Ordina per percorso</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nome file caricato</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nuovo nome file</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Anteprima e stampa del documento</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Stampa &amp;rapida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Antepri&amp;ma di stampa</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Imposta pagina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Documenti recenti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Nessuna preimpostazione salvata)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Salva i parametri attuali come preimpostazione...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importa preimpostazione...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>&amp;Gestisci preimpostazioni...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Barra del titolo</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>File nelle sottocartelle</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Contenuto cartella</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Aggiorna elenco</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Percorso cartella</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Impostazioni programma</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parametri di rinomina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>File selezionato</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Annulla rinomina
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Finestra
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Finestre
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nuova finestra</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preimpostazioni</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Preimpostazioni dei parametri di rinomina</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Applica una preimpostazione salvata dei parametri di rinomina, o salva quelli attuali</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>Da elenco...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Nomi come testo</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Modifica nuovo nome</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Nulla viene rinominato: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>«%1» non è nell&apos;elenco</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>«%1» è già nella riga %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Elenco dei file da [%1]: %n file trovato</numerusform>
            <numerusform>Elenco dei file da [%1]: %n file trovati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n file dalla cartella [%1]</numerusform>
            <numerusform>%n file dalla cartella [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> File nascosti ignorati</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> File di sola lettura ignorati</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Un altro file selezionato in questa cartella riceverebbe lo stesso nome.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Un file che non viene rinominato ha già questo nome.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>Il nuovo nome non può essere usato (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>La regola non ha potuto dare un nome a questo file: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n nuovo nome segnato come conflitto)</numerusform>
            <numerusform> (%n nuovi nomi segnati come conflitti)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>File delle sottocartelle non elencati</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n non letta</numerusform>
            <numerusform>, %n non lette</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Modificare il percorso della cartella per elencare &amp;&amp; rinominare i file.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Elenco dei file trovati nella cartella %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (elenco annullato: l&apos;elenco è parziale)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Impossibile elencare i file da [%1].

I file delle sottocartelle non vengono caricati.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Nessun file trovato nella cartella [%1].

I file delle sottocartelle non vengono caricati.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Statistiche file</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Informazioni cartelle</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>Il modello del nome non ha un valore per questo file (%1); il file mantiene il suo nome.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n file senza valore del modello)</numerusform>
            <numerusform> (%n file senza valore del modello)</numerusform>
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
        <translation>Stile &amp;blu</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Stile &amp;nero</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Stile &amp;argento</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Stile ac&amp;qua</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Modifica i nuovi nomi come testo</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Una riga per ogni riga dell&apos;elenco, nel suo ordine. Una riga modificata diventa subito il nuovo nome di quella riga; non si possono aggiungere né togliere righe. Scrivere \t, \n, \r, \\ e \0 per tabulazione, a capo, ritorno carrello, barra rovesciata e NUL, \xHH per un byte che non è UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Nuovi nomi dei file, uno per riga</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>Il testo ha %1 righe per le %2 righe dell&apos;elenco: non si possono aggiungere né togliere righe (Ctrl+Z annulla una modifica). L&apos;elenco mantiene i suoi nomi finché non c&apos;è una riga per ogni riga.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>L&apos;elenco mantiene i suoi nomi finché queste righe non si possono leggere:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Preimpostazioni (*.conf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Esiste già una preimpostazione di nome «%1». Sostituirla?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Questo nome non può essere usato.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Impossibile applicare la preimpostazione «%1»; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Salva i parametri di rinomina attuali come preimpostazione:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Impossibile salvare la preimpostazione «%1».</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Nuovo nome della preimpostazione «%1»:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Impossibile rinominare la preimpostazione «%1».</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Eliminare la preimpostazione «%1»?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Impossibile eliminare la preimpostazione «%1».</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Importa il file di preimpostazione come preimpostazione:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Impossibile importare il file di preimpostazione; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Impossibile esportare la preimpostazione «%1».</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Mostra i comandi del gruppo compresso</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Barra multifunzione</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Premi Alt per mostrare i suggerimenti dei tasti dei comandi</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Ordina l’elenco</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Ordina l’elenco per una delle sue colonne; sceglila di nuovo per invertire</translation>
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
        <translation>Barra di stato</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Cambia lo stile visivo</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Scegli uno dei temi di Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (stile &amp;blu)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (stile &amp;nero)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (stile &amp;argento)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (stile ac&amp;qua)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Finestre</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Attiva</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Chiudi finestre</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Finestre dei documenti</translation>
    </message>
</context>
</TS>
