<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Clique para iniciar a renomeação dos arquivos</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Nenhum arquivo marcado recebe um novo nome: nada a renomear.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Renomeação concluída: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n arquivo renomeado</numerusform>
            <numerusform>%n arquivos renomeados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n arquivo não pôde ser renomeado</numerusform>
            <numerusform>%n arquivos não puderam ser renomeados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, cancelado antes de %n arquivo</numerusform>
            <numerusform>, cancelado antes de %n arquivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Renomeando arquivos: %1 de %n concluído</numerusform>
            <numerusform>Renomeando arquivos: %1 de %n concluídos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>Nada a restaurar no lote de %1 na pasta [%2].</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Desfazer a renomeação em lote de %1 na pasta [%2].

Devolver agora %n arquivo ao nome antigo?</numerusform>
            <numerusform>Desfazer a renomeação em lote de %1 na pasta [%2].

Devolver agora %n arquivos aos nomes antigos?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>A renomeação em lote mais recente, de %1 na pasta [%2], não renomeou nada: não há nada a desfazer nela.

Em vez disso: </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Ignorado: %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>A renomeação em lote de %1 na pasta [%2] foi interrompida: %3 de %n arquivo tinha sido renomeado.</numerusform>
            <numerusform>A renomeação em lote de %1 na pasta [%2] foi interrompida: %3 de %n arquivos tinham sido renomeados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Desfazer a renomeação já feita (%n)</numerusform>
            <numerusform>Desfazer as %n renomeações já feitas</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Mantê-las</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Desfazer interrompido: %n arquivo voltou ao nome antigo; o restante pode ser desfeito de novo</numerusform>
            <numerusform>Desfazer interrompido: %n arquivos voltaram aos nomes antigos; o restante pode ser desfeito de novo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Desfazer concluído: %n arquivo voltou ao nome antigo</numerusform>
            <numerusform>Desfazer concluído: %n arquivos voltaram aos nomes antigos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, versão %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Contato: %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior.</translation>
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
        <translation>Arquivos não renomeados - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renomeado</numerusform>
            <numerusform>%n renomeados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n não pôde ser renomeado</numerusform>
            <numerusform>%n não puderam ser renomeados</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nome do arquivo carregado</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Novo nome do arquivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
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
        <translation>Número no início a partir de :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Número no final a partir de :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Localizar &amp;&amp; substituir no nome</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Novo nome :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Remover caracteres iniciais, quantidade :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Reiniciar a numeração em cada &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>Preencher números do nome até &amp;dígitos :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>A quantidade mínima de dígitos, com zeros à esquerda (0 ou 1: tantos quantos o número tiver)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Somado ao número de um arquivo para o outro (negativo: conta para trás)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpressão regular</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Diferenciar &amp;maiúsculas</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Substituir &amp;todas</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>Maiúscula &amp;inicial em cada palavra</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Maiúscula no início da &amp;frase</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Aparar &amp;espaços</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Escrever em AS&amp;CII</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>Extensão em minúsc&amp;ulas</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Nome inteiro</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Nome sem extensão</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Somente a extensão</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>O que Localizar &amp;&amp; substituir e as caixas de maiúsculas alteram; a maiúscula inicial por palavra ou por frase nunca altera a extensão do nome inteiro</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Outras escritas em letras latinas, sem acentos; emojis e bytes que não são UTF-8 são mantidos</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Sem espaços em volta do nome sem extensão, um para cada sequência</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>&amp;Localizar :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Substituir por :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>&amp;Renomear todos</translation>
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
        <translation>Aplicar Localizar &amp;&amp; substituir e maiúsculas &amp;a :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Parâmetros de renomeação - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Digite um número inteiro. O último número válido é mantido.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. A lista mostra os nomes da última expressão válida, e nada é renomeado até que ela seja corrigida.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(nenhuma escolhida)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Escolha uma predefinição para colocar seus parâmetros de renomeação nesta janela</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>Usar predefinição &amp;salva :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>&amp;Gerenciar predefinições</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Salvar parâmetros atuais como predefinição...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>&amp;Renomear predefinição...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>E&amp;xcluir predefinição</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importar predefinição...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>&amp;Exportar predefinição...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Modelo inválido na posição %1: %2. A lista mostra os nomes do último modelo válido, e nada é renomeado até que seja corrigido.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (sem valor)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>M&amp;odelo de nome :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Montar cada nome completo a partir do modelo; os demais parâmetros são aplicados em seguida</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Inserir &amp;variável</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Listar arquivos ocultos</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Listar arquivos somente leitura</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Renomear cadeias e trocas por meio de nomes temporários</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Ordenar nomes em ordem natural (file2 antes de file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Configurações - </translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Novo nome do arquivo :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Arquivo a renomear :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Renomear um arquivo - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>O novo nome do arquivo não pode ficar vazio.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Não foi possível renomear o arquivo.

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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Pastas não lidas - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n subpasta não pôde ser lida: seus arquivos não são listados</numerusform>
            <numerusform>%n subpastas não puderam ser lidas: seus arquivos não são listados</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
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
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Arquivos do Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Não foi possível encontrar este arquivo.
Verifique se o caminho e o nome do arquivo estão corretos.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Falha ao abrir o documento.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Falha ao salvar o documento.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Não foi possível abrir o arquivo temporário para salvar a lista de arquivos.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Selecione um arquivo para renomear.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Liste uma pasta primeiro: o arquivo de lista nomeia os arquivos dela.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Listas de nomes (*.tsv *.txt *.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>Não é possível usar a lista %1; os novos nomes continuam como estavam.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Selecione um arquivo para dar um novo nome.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Novo nome do arquivo</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de arquivos</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Espaço marca ou desmarca a linha atual, Shift+F10 abre seu menu; Alt, H, B ordena a lista por uma coluna</translation>
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
        <translation>Diminuir</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Ver o conteúdo da pasta no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Informações sobre os arquivos listados&lt;/b&gt;&lt;br&gt;Esta barra mostra a pasta da qual os arquivos são listados.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Local da pasta</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alternar</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Pasta de origem no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exportar lista de arquivos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parâmetros de renomeação</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Renomear agora o arquivo selecionado</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Renomear agora o arquivo selecionado em uma janela separada.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Renomear arquivo selecionado</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Atualizar lista</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Examinar de novo a pasta escolhida e recarregar a lista de arquivos</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Recarregar lista de arquivos (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Mostrar os novos nomes conforme os parâmetros</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Remover da lista os arquivos não marcados</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Copiar nome do arquivo atual</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Iniciar a renomeação dos arquivos</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Compartilhar no Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Compartilhar o endereço deste programa no Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Compartilhar no Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Arquivos em subpastas</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Listar arquivos das subpastas da pasta escolhida</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Busca em subpastas</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Desfazer renomeação</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Devolver os arquivos do último lote aos nomes antigos</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Desfazer renomeação (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Parar de listar ou renomear; os arquivos já listados ou renomeados ficam assim</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Cancelar (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Pastas não lidas...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Listar as subpastas que a última listagem não conseguiu ler, e por quê</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Pastas não lidas</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Janelas...</translation>
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
        <translation>Estilo &amp;azul</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Estilo &amp;preto</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo pra&amp;ta</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Estilo a&amp;qua</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra de l&amp;egenda</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostrar ou ocultar a barra de legenda</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostrar/ocultar barra de legenda</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>&amp;Sobre o Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar informações do programa, número da versão e copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Criar um novo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir um documento existente</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Fechar o documento ativo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salvar o documento ativo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salvar o documento ativo com um novo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Abrir outra janela para o documento ativo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nova janela</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Organizar os ícones na parte inferior da janela</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Organizar ícones</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Organizar as janelas sobrepostas</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Janelas em cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Organizar as janelas lado a lado, sem sobreposição</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Janelas lado a lado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Sair do aplicativo; pergunta se os documentos devem ser salvos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostrar/ocultar barra de status</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Próximo painel</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Ir para o próximo painel da janela</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Painel anterior</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Voltar ao painel anterior da janela</translation>
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
        <translation>Impressão &amp;rápida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>Ícones &amp;pequenos</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Ícones &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalhes</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Por &amp;nome</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Organizar &amp;automaticamente</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>Al&amp;inhar ícones</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Renomear a partir de &amp;lista...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Carregar os novos nomes de uma lista: nomes antigos e novos separados por tabulação, CSV ou uma saída de pré-visualização salva</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Renomear a partir de lista (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Editar novos nomes como &amp;texto</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Editar cada novo nome como uma linha de texto; a lista acompanha a digitação</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Editar novos nomes como texto (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Editar novo &amp;nome do arquivo</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Digitar na lista o novo nome da linha atual (ou clicar duas vezes na célula)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Editar novo nome do arquivo (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Ordenar a lista por esta coluna; de novo para inverter</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;Nº</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Ordenar por Nº</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>Nome do arquivo &amp;carregado</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Ordenar por nome do arquivo carregado</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>N&amp;ovo nome do arquivo</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Ordenar por novo nome do arquivo</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>Última &amp;modificação</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Ordenar por última modificação</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamanho</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordenar por tamanho</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Local</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Ordenar por local</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nome do arquivo carregado</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Novo nome do arquivo</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Última modificação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Visualizar e imprimir o documento</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Impressão &amp;rápida</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Configurar &amp;página</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Documentos recentes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Nenhuma predefinição salva)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Salvar parâmetros atuais como predefinição...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importar predefinição...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>&amp;Gerenciar predefinições...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Barra de legenda</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Arquivos em subpastas</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Conteúdo da pasta</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Atualizar lista</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Local da pasta</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Configurações do programa</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Parâmetros de renomeação</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Arquivo selecionado</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Desfazer renomeação
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Janela
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Janelas
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Predefinições de parâmetros de renomeação</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Aplicar uma predefinição salva de parâmetros de renomeação ou salvar os atuais</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>De uma lista...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Nomes como texto</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Editar novo nome</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Nada é renomeado: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>&quot;%1&quot; não está na lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>&quot;%1&quot; já aparece na linha %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Listando arquivos de [%1]: %n arquivo encontrado</numerusform>
            <numerusform>Listando arquivos de [%1]: %n arquivos encontrados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n arquivo listado da pasta [%1]</numerusform>
            <numerusform>%n arquivos listados da pasta [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Arquivos ocultos ignorados</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Arquivos somente leitura ignorados</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Outro arquivo marcado nesta pasta receberia o mesmo nome.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Um arquivo que não é renomeado já tem este nome.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>O novo nome não pode ser usado (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>A regra não conseguiu dar nome a este arquivo: %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n novo nome marcado como conflito)</numerusform>
            <numerusform> (%n novos nomes marcados como conflitos)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Arquivos de subpastas não listados</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n não lida</numerusform>
            <numerusform>, %n não lidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Edite o local da pasta para listar &amp;&amp; renomear arquivos.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Lista de arquivos encontrados na pasta %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (listagem cancelada: a lista está incompleta)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Não foi possível listar os arquivos de [%1].

Os arquivos das subpastas não são carregados.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Nenhum arquivo encontrado na pasta [%1].

Os arquivos das subpastas não são carregados.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Estatísticas de arquivos</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Informações de pastas</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>O modelo de nome não tem valor para este arquivo (%1); ele mantém seu nome.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n arquivo sem valor de modelo)</numerusform>
            <numerusform> (%n arquivos sem valor de modelo)</numerusform>
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
        <translation>Estilo &amp;azul</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Estilo &amp;preto</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo pra&amp;ta</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Estilo a&amp;qua</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Editar novos nomes como texto</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Uma linha por linha da lista, na mesma ordem. Uma linha alterada vira na hora o novo nome daquela linha; não é possível adicionar nem remover linhas. Escreva \t, \n, \r, \\ e \0 para tabulação, quebra de linha, retorno de carro, barra invertida e NUL, \xHH para um byte que não é UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Novos nomes de arquivo, um por linha</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>O texto tem %1 linhas para as %2 linhas da lista: não é possível adicionar nem remover linhas (Ctrl+Z desfaz uma alteração). A lista mantém seus nomes até haver uma linha por linha da lista.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>A lista mantém seus nomes até que estas linhas possam ser lidas:</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Predefinições (*.conf);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Já existe uma predefinição chamada &quot;%1&quot;. Substituí-la?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Este nome não pode ser usado.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Não foi possível aplicar a predefinição &quot;%1&quot;; nada foi alterado.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Salvar os parâmetros de renomeação atuais como a predefinição:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Não foi possível salvar a predefinição &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Novo nome da predefinição &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Não foi possível renomear a predefinição &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Excluir a predefinição &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Não foi possível excluir a predefinição &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Importar o arquivo de predefinição como a predefinição:</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Não foi possível importar o arquivo de predefinição; nada foi alterado.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Não foi possível exportar a predefinição &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Mostra os comandos do grupo recolhido</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Faixa de opções</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Pressione Alt para mostrar as dicas de teclas dos comandos</translation>
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
        <translation>Ordenar a lista</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Ordenar a lista por uma de suas colunas; escolha de novo para inverter</translation>
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
        <translation>Barra de status</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Alterar o estilo visual</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Escolher um dos temas do Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (estilo &amp;azul)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (estilo &amp;preto)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (estilo pra&amp;ta)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (estilo a&amp;qua)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Ativar</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Fechar janelas</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Janelas de documento</translation>
    </message>
</context>
</TS>
