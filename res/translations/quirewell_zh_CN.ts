<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>单击开始重命名文件</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>勾选的文件都不会得到新名称：没有需要重命名的文件。</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>重命名完成：%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>已重命名 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n 个文件无法重命名</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>，在 %n 个文件之前取消</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>正在重命名文件：已完成 %1/%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>文件夹 [%2] 中 %1 的批量重命名没有可以改回的文件。</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>撤销文件夹 [%2] 中 %1 的批量重命名。

现在将 %n 个文件改回原来的名称吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>最近一次批量重命名（文件夹 [%2] 中 %1）没有重命名任何文件，无可撤销。

改为：</translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>已跳过：%1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>文件夹 [%2] 中 %1 的批量重命名被中断：%n 个文件中已重命名 %3 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>撤销已完成的 %n 次重命名</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>保留</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>撤销已停止：%n 个文件已改回原名，其余可以再次撤销</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>撤销完成：%n 个文件已改回原名</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1，版本 %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>联系方式：%1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>本软件为自由软件，依据 GNU 通用公共许可证第 3 版或更高版本发布。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>未重命名的文件 - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>已重命名 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n 个无法重命名</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>失败项</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>载入的文件名</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>在开头添加编号，起始值：</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>在末尾添加编号，起始值：</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>在文件名中查找和替换</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>新名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>删除开头字符，个数：</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>全部大写</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>全部小写</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>每个文件夹重新编号(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>名称中的数字补零到位数(&amp;P)：</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>最少位数，不足时前面补零（0 或 1：保持数字原有位数）</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>每个文件的编号依次加上的值（负数：递减）</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>正则表达式(&amp;X)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>每个单词首字母大写(&amp;I)</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>句首字母大写(&amp;E)</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>去除多余空格(&amp;S)</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>转写为 ASCII(&amp;L)</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>扩展名小写(&amp;O)</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>完整名称</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>不含扩展名的名称</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>仅扩展名</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>查找和替换以及大小写选项所作用的部分；单词首字母大写和句首字母大写从不改变完整名称的扩展名</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>将其他文字转写为不带重音的拉丁字母；表情符号和非 UTF-8 字节保持不变</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>去掉不含扩展名的名称前后的空格，连续空格只保留一个</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>替换为：</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>全部重命名(&amp;R)</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>位数：</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>步长：</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>查找和替换及大小写应用于(&amp;T)：</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>文件重命名参数 - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>请输入整数。将保留上一个有效数字。</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>。列表显示上一个有效表达式得到的名称，改正之前不会重命名任何文件。</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>（未选择）</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>选择一个预设，将其重命名参数填入此窗口</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>应用预设(&amp;Y)：</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>管理预设(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>将当前参数保存为预设(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>重命名预设(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>删除预设(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>导入预设(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>导出预设(&amp;E)...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>位置 %1 处的模板无效：%2。列表显示上一个有效模板生成的名称，在更正之前不会重命名任何文件。</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    （无值）</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>名称模板(&amp;U)：</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>根据模板生成完整名称，随后再应用其他参数</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>插入标记(&amp;K)</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>列出隐藏文件</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>列出只读文件</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>通过临时名称完成链式和互换重命名</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>按自然顺序排列名称（file2 在 file10 之前）</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>设置 - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>新文件名(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>要重命名的文件(&amp;F)：</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>重命名单个文件 - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>新文件名不能为空。</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>无法重命名文件。

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>复制列表(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>未读取的文件夹 - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n 个子文件夹无法读取：其中的文件未列出</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Orvalt Quirewell 文件 (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
找不到此文件。
请确认路径和文件名是否正确。</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>无法打开文档。</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>无法保存文档。</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>无法打开用于保存文件列表的临时文件。</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>请选择要重命名的文件。</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>请先列出一个文件夹：列表文件中写的是其中文件的名称。</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>名称列表 (*.tsv *.txt *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>无法使用列表 %1；新名称保持不变。

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>请选择要赋予新名称的文件。</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>空格键勾选或取消勾选当前行，Shift+F10 打开其菜单；Alt、H、B 按某一列对列表排序</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>在文件管理器中查看文件夹内容</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;已列出文件的信息&lt;/b&gt;&lt;br&gt;此栏显示所列文件所在的文件夹位置。</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>文件夹位置(&amp;F)</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>切换</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>在文件管理器中打开源文件夹</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>导出文件列表</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>重命名参数</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>立即重命名所选文件</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>在单独的窗口中立即重命名所选文件。</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>重命名所选文件</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>刷新文件列表</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>重新扫描所选文件夹并再次载入文件列表</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>重新载入文件列表 (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>按参数显示新文件名</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>从列表中移除未勾选的文件</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>复制当前文件名</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>开始重命名文件</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>分享到 Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>将本软件的网址分享到 Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>分享到 Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>子文件夹中的文件</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>列出所选文件夹的子文件夹中的文件</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>搜索子文件夹</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>撤销重命名</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>将上一批文件改回原来的名称</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>撤销重命名 (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>停止列出或重命名文件；已列出或已重命名的文件保持现状</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>取消 (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>未读取的文件夹...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>列出上次列出文件时无法读取的子文件夹及原因</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>未读取的文件夹</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>窗口(&amp;W)...</translation>
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
        <translation>蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>水绿色样式(&amp;A)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>标题栏(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>显示或隐藏标题栏</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>切换标题栏</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>关于 Quirewell(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>创建新文档</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开现有文档</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文档</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>用新名称保存当前文档</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>为当前文档打开另一个窗口</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新建窗口</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>在窗口底部排列图标</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>排列图标</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>层叠排列窗口</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>层叠窗口</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>以互不重叠的方式平铺窗口</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>平铺窗口</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出应用程序；提示保存文档</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>切换状态栏</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>切换到下一个窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>切换回上一个窗格</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>页面设置(&amp;U)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>快速打印(&amp;Q)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>小图标(&amp;M)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大图标(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>按名称(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>自动排列(&amp;A)</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>对齐图标(&amp;E)</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>按列表重命名(&amp;L)...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>从列表载入新文件名：以制表符分隔的旧名称和新名称、CSV 或已保存的预览输出</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>按列表重命名 (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>以文本编辑新名称(&amp;T)</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>将每个新文件名作为一行文本编辑；列表随输入更新</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>以文本编辑新名称 (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>编辑新文件名(&amp;N)</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>在列表中输入当前行的新文件名（或双击该单元格）</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>编辑新文件名 (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>按此列对列表排序；再次选择则反向</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>序号(&amp;S)</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>按序号排序</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>载入的文件名(&amp;L)</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>按载入的文件名排序</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>新文件名(&amp;N)</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>按新文件名排序</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>修改时间(&amp;W)</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>按修改时间排序</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>大小(&amp;Z)</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>按大小排序</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>位置(&amp;O)</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>按位置排序</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>载入的文件名</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>预览并打印文档</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>快速打印(&amp;Q)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>页面设置(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>最近的文档</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>（没有已保存的预设）</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>将当前参数保存为预设(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>导入预设(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>管理预设(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>开始(&amp;H)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>标题栏</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>子文件夹中的文件</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>文件夹内容</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>刷新文件列表</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>文件夹位置</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>软件设置</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>重命名参数</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>所选文件</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>撤销重命名
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>窗口
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>窗口
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>重命名参数预设</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>应用已保存的重命名参数预设，或保存当前参数</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>按列表...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>名称文本</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>编辑新名称</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>不会重命名任何文件：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>“%1”不在列表中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>“%1”已在第 %2 行出现</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>正在列出 [%1] 中的文件：已找到 %n 个文件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>已从文件夹 [%1] 列出 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> 已忽略隐藏文件</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> 已忽略只读文件</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>此文件夹中另一个勾选的文件会得到相同的名称。</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>一个不会被重命名的文件已使用此名称。</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>无法使用新名称（%1）。</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>规则无法为此文件命名：%1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform>（%n 个新文件名标记为冲突）</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>未列出子文件夹中的文件</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>，%n 个未读取</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>编辑文件夹位置以列出并重命名文件。</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>在文件夹 %1 中找到的文件列表</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation>（已取消列出：列表不完整）</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>无法列出 [%1] 中的文件。

不会载入任何子文件夹中的文件。</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>在文件夹 [%1] 中未找到文件。

不会载入任何子文件夹中的文件。</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>文件统计</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>文件夹信息</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>名称模板对此文件没有值（%1）；文件保留原名。</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform>（%n 个文件没有模板值）</numerusform>
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
        <translation>蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>水绿色样式(&amp;A)</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>以文本编辑新名称</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>列表每一行对应一行文本，顺序相同。修改某行后，它立即成为该行的新名称；不能添加或删除行。制表符、换行符、回车符、反斜杠和 NUL 分别写作 \t、\n、\r、\\ 和 \0，非 UTF-8 字节写作 \xHH。</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>新文件名，每行一个</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>文本有 %1 行，而列表有 %2 行：不能添加或删除行（按 Ctrl+Z 可撤销更改）。在每行对应一行之前，列表保留原有名称。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>在能够读取这些行之前，列表保留原有名称：</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>预设 (*.conf);;所有文件 (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>名为“%1”的预设已存在。要替换吗？</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>无法使用此名称。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>无法应用预设“%1”；未做任何更改。</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>将当前重命名参数保存为预设：</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>无法保存预设“%1”。</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>预设“%1”的新名称：</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>无法重命名预设“%1”。</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>要删除预设“%1”吗？</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>无法删除预设“%1”。</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>将预设文件导入为预设：</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>无法导入预设文件；未做任何更改。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>无法导出预设“%1”。</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>显示已折叠组中的命令</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>功能区</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>按 Alt 键显示其命令的按键提示</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>排序方式</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>对列表排序</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>按某一列对列表排序；再次选择则反向</translation>
    </message>
</context>
<context>
    <name>StatusPane</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>捐助</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>更改外观样式</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>选择一种 Office 2007 主题</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007（蓝色样式）(&amp;B)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007（黑色样式）(&amp;L)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007（银色样式）(&amp;S)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007（水绿色样式）(&amp;A)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>激活(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>关闭窗口(&amp;C)</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>文档窗口</translation>
    </message>
</context>
</TS>
