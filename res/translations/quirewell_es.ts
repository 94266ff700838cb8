<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Haga clic para empezar a cambiar el nombre de los archivos</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Ningún archivo marcado recibe un nombre nuevo: no hay nada que cambiar.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Cambio de nombres terminado: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n archivo renombrado</numerusform>
            <numerusform>%n archivos renombrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n archivo no se pudo renombrar</numerusform>
            <numerusform>%n archivos no se pudieron renombrar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, cancelado antes de %n archivo</numerusform>
            <numerusform>, cancelado antes de %n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Cambiando nombres: %1 de %n hecho</numerusform>
            <numerusform>Cambiando nombres: %1 de %n hechos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>No hay nada que devolver a su nombre en el lote del %1 en la carpeta [%2].</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Deshacer el cambio de nombre por lotes del %1 en la carpeta [%2].

¿Devolver ahora %n archivo a su nombre anterior?</numerusform>
            <numerusform>Deshacer el cambio de nombre por lotes del %1 en la carpeta [%2].

¿Devolver ahora %n archivos a sus nombres anteriores?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>El cambio de nombre por lotes más reciente, del %1 en la carpeta [%2], no cambió nada: no hay nada que deshacer en él.

En su lugar: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Omitido: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>El cambio de nombre por lotes del %1 en la carpeta [%2] se interrumpió: se había cambiado el nombre de %3 de %n archivo.</numerusform>
            <numerusform>El cambio de nombre por lotes del %1 en la carpeta [%2] se interrumpió: se había cambiado el nombre de %3 de %n archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Deshacer el cambio de nombre ya hecho (%n)</numerusform>
            <numerusform>Deshacer los %n cambios de nombre ya hechos</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Conservarlos</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Deshacer detenido: %n archivo ha vuelto a su nombre anterior; el resto se puede deshacer de nuevo</numerusform>
            <numerusform>Deshacer detenido: %n archivos han vuelto a sus nombres anteriores; el resto se puede deshacer de nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Deshacer terminado: %n archivo ha vuelto a su nombre anterior</numerusform>
            <numerusform>Deshacer terminado: %n archivos han vuelto a sus nombres anteriores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, versión %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Contacto: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>Archivos no renombrados - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renombrado</numerusform>
            <numerusform>%n renombrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n no se pudo renombrar</numerusform>
            <numerusform>%n no se pudieron renombrar</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nombre de archivo cargado</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nombre de archivo nuevo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
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
        <translation>Número al principio desde :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Número al final desde :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Buscar &amp;&amp; reemplazar en el nombre</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Nombre nuevo :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Quitar caracteres iniciales, cantidad :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Reiniciar la numeración en cada &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>&amp;Rellenar los números del nombre hasta dígitos :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>El número mínimo de dígitos, con ceros a la izquierda (0 o 1: tantos como tenga el número)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Se suma al número de un archivo al siguiente (negativo: cuenta hacia atrás)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpresión regular</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Reemplazar &amp;todas</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>Mayúscula &amp;inicial en cada palabra</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Mayúscula al inicio de la &amp;frase</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Recortar &amp;espacios</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Tr&amp;anscribir a ASCII</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>Extensión en minúscu&amp;las</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Nombre sin extensión</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Solo la extensión</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Lo que cambian Buscar &amp;&amp; reemplazar y las casillas de mayúsculas; la mayúscula inicial por palabra o por frase nunca cambia la extensión del nombre completo</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Otras escrituras en letras latinas, sin acentos; se conservan los emojis y los bytes que no son UTF-8</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Sin espacios alrededor del nombre sin extensión, uno por cada serie</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>&amp;Buscar :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Reemplazar con :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>Renombrar t&amp;odos</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Dígitos :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Incremento :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>Aplicar Buscar &amp;&amp; reemplazar y mayúsculas &amp;sobre :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Parámetros de cambio de nombre - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Introduzca un número entero. Se conserva el último número válido.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. La lista muestra los nombres de la última expresión válida y no se renombra nada hasta que se corrija.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(ninguno elegido)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Elija un preajuste para poner sus parámetros de cambio de nombre en esta ventana</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>A&amp;plicar preajuste :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>&amp;Gestionar preajustes</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Guardar los parámetros actuales como preajuste...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>Re&amp;nombrar preajuste...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Eliminar preajuste</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importar preajuste...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>E&amp;xportar preajuste...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Plantilla no válida en la posición %1: %2. La lista muestra los nombres de la última plantilla válida y no se renombra nada hasta que se corrija.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (sin valor)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Plantilla &amp;de nombre :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Crear cada nombre completo a partir de la plantilla; después se le aplican los demás parámetros</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Insertar &amp;variable</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Listar archivos ocultos</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Listar archivos de solo lectura</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Renombrar cadenas e intercambios mediante nombres temporales</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Ordenar los nombres de forma natural (file2 antes de file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Configuración - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Nombre de archivo nuevo :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Archivo a renombrar :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Renombrar un archivo - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>El nombre de archivo nuevo no puede quedar vacío.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>No se pudo renombrar el archivo.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copiar lista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Carpetas no leídas - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n subcarpeta no se pudo leer: sus archivos no aparecen en la lista</numerusform>
            <numerusform>%n subcarpetas no se pudieron leer: sus archivos no aparecen en la lista</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
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
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Archivos de Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
No se encuentra este archivo.
Compruebe que la ruta y el nombre del archivo son correctos.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>No se pudo abrir el documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>No se pudo guardar el documento.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>No se pudo abrir el archivo temporal para guardar la lista de archivos.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Seleccione un archivo para renombrar.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Primero liste una carpeta: el archivo de lista nombra sus archivos.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Listas de nombres (*.tsv *.txt *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>No se puede usar la lista %1; los nombres nuevos siguen como estaban.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Seleccione un archivo al que dar un nombre nuevo.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nombre de archivo nuevo</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Espacio marca o desmarca la fila actual, Mayús+F10 abre su menú; Alt, H, B ordena la lista por una columna</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Ver el contenido de la carpeta en el gestor de archivos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Información sobre los archivos listados&lt;/b&gt;&lt;br&gt;Esta barra muestra la carpeta de la que se listan los archivos.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Ubicación de la carpeta</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Carpeta de origen en el gestor de archivos</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exportar lista de archivos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parámetros de cambio de nombre</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Renombrar ahora el archivo seleccionado</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Renombrar ahora el archivo seleccionado en una ventana aparte.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Renombrar el archivo seleccionado</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Actualizar lista</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Volver a examinar la carpeta elegida y cargar de nuevo la lista de archivos</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Volver a cargar la lista (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Mostrar los nombres nuevos según los parámetros</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Quitar de la lista los archivos no marcados</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Copiar el nombre del archivo actual</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Empezar a renombrar los archivos</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Compartir en Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Compartir la dirección de este programa en Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Compartir en Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Archivos en subcarpetas</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Listar los archivos de las subcarpetas de la carpeta elegida</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Búsqueda en subcarpetas</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Deshacer cambio de nombre</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Devolver los archivos del último lote a sus nombres anteriores</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Deshacer cambio de nombre (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Detener el listado o el cambio de nombres; los archivos ya listados o renombrados se quedan así</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Cancelar (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Carpetas no leídas...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Listar las subcarpetas que el último listado no pudo leer, y por qué</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Carpetas no leídas</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Ventanas...</translation>
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
        <translation>Estilo a&amp;zul</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Estilo &amp;negro</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo &amp;plateado</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Estilo &amp;aqua</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra de &amp;título</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostrar u ocultar la barra de título</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostrar/ocultar barra de título</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;Acerca de Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Cerrar el documento activo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Abrir otra ventana para el documento activo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Organizar los iconos en la parte inferior de la ventana</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Organizar iconos</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Organizar las ventanas superpuestas</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Ventanas en cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Organizar las ventanas en mosaico sin superponerlas</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Ventanas en mosaico</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostrar/ocultar barra de estado</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Pasar al siguiente panel de la ventana</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Volver al panel anterior de la ventana</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Configurar &amp;página</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Impresión &amp;rápida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Organización &amp;automática</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>Alinea&amp;r iconos</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Renombrar desde &amp;lista...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Cargar los nombres nuevos desde una lista: nombres antiguos y nuevos separados por tabuladores, CSV o una salida de vista previa guardada</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Renombrar desde lista (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Editar los nombres nuevos como &amp;texto</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Editar cada nombre nuevo como una línea de texto; la lista sigue lo que escribe</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Editar los nombres nuevos como texto (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Editar el &amp;nombre nuevo</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Escribir en la lista el nombre nuevo de la fila actual (o hacer doble clic en la celda)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Editar el nombre nuevo (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Ordenar la lista por esta columna; de nuevo para invertir</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;N.º</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Ordenar por N.º</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>Nombre de archivo &amp;cargado</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Ordenar por nombre de archivo cargado</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>Nombre de archivo nue&amp;vo</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Ordenar por nombre de archivo nuevo</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>Última &amp;modificación</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Ordenar por última modificación</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordenar por tamaño</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Ubicación</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Ordenar por ubicación</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nombre de archivo cargado</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nombre de archivo nuevo</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Ver la vista previa e imprimir el documento</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Impresión &amp;rápida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Configurar &amp;página</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Documentos recientes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(No hay preajustes guardados)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Guardar los parámetros actuales como preajuste...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importar preajuste...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>&amp;Administrar preajustes...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Barra de título</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Archivos en subcarpetas</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Contenido de la carpeta</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Actualizar lista</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Ubicación de la carpeta</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parámetros de cambio de nombre</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Archivo seleccionado</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Deshacer cambio de nombre
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Ventana
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Ventanas
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Preajustes de parámetros de cambio de nombre</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Aplicar un preajuste guardado de parámetros de cambio de nombre, o guardar los actuales</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>Desde lista...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Nombres como texto</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Editar nombre nuevo</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>No se renombra nada: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>«%1» no está en la lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>«%1» ya figura en la línea %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Listando archivos de [%1]: %n archivo encontrado</numerusform>
            <numerusform>Listando archivos de [%1]: %n archivos encontrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n archivo de la carpeta [%1]</numerusform>
            <numerusform>%n archivos de la carpeta [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Archivos ocultos omitidos</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Archivos de solo lectura omitidos</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Otro archivo marcado de esta carpeta recibiría el mismo nombre.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Un archivo que no cambia de nombre ya tiene este nombre.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>No se puede usar el nombre nuevo (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>La regla no pudo dar nombre a este archivo: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n nombre nuevo marcado como conflicto)</numerusform>
            <numerusform> (%n nombres nuevos marcados como conflictos)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Archivos de subcarpetas no listados</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n no leída</numerusform>
            <numerusform>, %n no leídas</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Edite la ubicación de la carpeta para listar &amp;&amp; renombrar archivos.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Lista de archivos encontrados en la carpeta %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (listado cancelado: la lista es parcial)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>No se pudieron listar los archivos de [%1].

No se cargan los archivos de las subcarpetas.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>No se encontraron archivos en la carpeta [%1].

No se cargan los archivos de las subcarpetas.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Estadísticas de archivos</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Información de carpetas</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>La plantilla de nombre no tiene valor para este archivo (%1); conserva su nombre.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n archivo sin valor de plantilla)</numerusform>
            <numerusform> (%n archivos sin valor de plantilla)</numerusform>
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
        <translation>Estilo a&amp;zul</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Estilo &amp;negro</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo &amp;plateado</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Estilo &amp;aqua</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Editar los nombres nuevos como texto</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Una línea por fila de la lista, en su orden. Una línea cambiada pasa a ser al momento el nombre nuevo de esa fila; no se pueden añadir ni quitar líneas. Escriba \t, \n, \r, \\ y \0 para un tabulador, un salto de línea, un retorno de carro, una barra invertida y un NUL, \xHH para un byte que no es UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Nombres de archivo nuevos, uno por línea</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>El texto tiene %1 líneas para las %2 filas de la lista: no se pueden añadir ni quitar líneas (Ctrl+Z deshace un cambio). La lista conserva sus nombres hasta que haya una línea por fila.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>La lista conserva sus nombres hasta que se puedan leer estas líneas:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Preajustes (*.conf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Ya existe un preajuste llamado «%1». ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>No se puede usar este nombre.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>No se pudo aplicar el preajuste «%1»; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Guardar los parámetros de cambio de nombre actuales como el preajuste:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar el preajuste «%1».</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Nuevo nombre del preajuste «%1»:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>No se pudo renombrar el preajuste «%1».</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>¿Eliminar el preajuste «%1»?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar el preajuste «%1».</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Importar el archivo de preajuste como el preajuste:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>No se pudo importar el archivo de preajuste; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>No se pudo exportar el preajuste «%1».</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Muestra los comandos del grupo contraído</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Cinta de opciones</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Pulse Alt para mostrar las sugerencias de teclas de sus comandos</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Ordenar la lista</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Ordenar la lista por una de sus columnas; elegirla de nuevo para invertir</translation>
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
        <translation>Barra de estado</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Cambiar el estilo visual</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Elegir uno de los temas de Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (estilo a&amp;zul)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (estilo &amp;negro)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (estilo &amp;plateado)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (estilo &amp;aqua)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Cerrar ventanas</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Ventanas de documento</translation>
    </message>
</context>
</TS>
