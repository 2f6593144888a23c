<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>Über Quillet</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>TFolderChooser</name>
    <message>
        <source>Not a file: %1</source>
        <translation>Keine Datei: %1</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Kein Ordner: %1</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Choose a folder to scan</source>
        <translation>Zu scannenden Ordner wählen</translation>
    </message>
    <message>
        <source>Folders and files</source>
        <translation>Ordner und Dateien</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Cannot save &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>&quot;%1&quot; kann nicht gespeichert werden: Mehr als eine Datei hat diesen Namen, wenn er als Text gezeigt wird</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>&quot;%1&quot; kann nicht geöffnet werden: Mehr als eine Datei hat diesen Namen, wenn er als Text gezeigt wird</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: No such file or directory</source>
        <translation>&quot;%1&quot; kann nicht gespeichert werden: Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: No such file or directory</source>
        <translation>&quot;%1&quot; kann nicht geöffnet werden: Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source> Open </source>
        <translation> Öffnen </translation>
    </message>
    <message>
        <source>F5 - Refresh</source>
        <translation>F5 - Aktualisieren</translation>
    </message>
    <message>
        <source> Print </source>
        <translation> Drucken </translation>
    </message>
    <message>
        <source>Units:  </source>
        <translation>Einheit:  </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source> Show size in bytes, KB, MB, GB, TB or a count of files </source>
        <translation> Größe in Bytes, KB, MB, GB, TB oder als Anzahl der Dateien anzeigen </translation>
    </message>
    <message>
        <source>Disk space: </source>
        <translation>Speicherplatz: </translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Allocated</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Slack only</source>
        <translation>Nur Verschnitt</translation>
    </message>
    <message>
        <source> Choose how to include the slack space </source>
        <translation> Wählen, wie der Verschnitt einbezogen wird </translation>
    </message>
    <message>
        <source>Stop timer refresh</source>
        <translation>Zeitgesteuerte Aktualisierung anhalten</translation>
    </message>
    <message>
        <source>Maximum characters in file name</source>
        <translation>Höchstzahl der Zeichen im Dateinamen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> Stop the present scan </source>
        <translation> Laufenden Scan anhalten </translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Previous folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open scan file...</source>
        <translation>Scan-Datei öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh from &amp;here</source>
        <translation>Ab &amp;hier aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Compare with Scan File...</source>
        <translation>Mit Scan-Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Stop Comparing</source>
        <translation>Vergleich &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Show &amp;Free Space</source>
        <translation>&amp;Freien Speicher anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Compare with scan file</source>
        <translation>Mit Scan-Datei vergleichen</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open the scan file %1: %2</source>
        <translation>Fehler beim Öffnen der Scan-Datei %1: %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lese %1...</translation>
    </message>
    <message>
        <source>scan file %1</source>
        <translation>Scan-Datei %1</translation>
    </message>
    <message>
        <source>Open scan file</source>
        <translation>Scan-Datei öffnen</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>In den %1 verschieben</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Confirm folder delete</source>
        <translation>Löschen des Ordners bestätigen</translation>
    </message>
    <message>
        <source>Confirm file delete</source>
        <translation>Löschen der Datei bestätigen</translation>
    </message>
    <message>
        <source>Delete folder: %1</source>
        <translation>Ordner löschen: %1</translation>
    </message>
    <message>
        <source>Delete file: %1</source>
        <translation>Datei löschen: %1</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Cannot show the properties of %1: %2</source>
        <translation>Die Eigenschaften von %1 können nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to the %2: %3</source>
        <translation>%1 kann nicht in den %2 verschoben werden: %3</translation>
    </message>
    <message>
        <source>Confirm move to %1</source>
        <translation>Verschieben in den %1 bestätigen</translation>
    </message>
    <message>
        <source>Move to %1: %2</source>
        <translation>In den %1 verschieben: %2</translation>
    </message>
    <message>
        <source>Quillet - overwrite existing usage file?</source>
        <translation>Quillet - vorhandene Belegungsdatei überschreiben?</translation>
    </message>
    <message>
        <source>File %1 already exists.  Do you want to overwrite the existing file?</source>
        <translation>Die Datei %1 ist bereits vorhanden.  Möchten Sie die vorhandene Datei überschreiben?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Derzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cannot scan &quot;%1&quot;: %2</source>
        <translation>Fehler beim Scannen von &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Quillet - scanning...</source>
        <translation>Quillet - Scan läuft...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scan läuft...</translation>
    </message>
    <message>
        <source>Scanning %1...</source>
        <translation>Scanne %1...</translation>
    </message>
    <message>
        <source>Compressed, sparse </source>
        <translation>Komprimiert, Sparse </translation>
    </message>
    <message>
        <source>Compressed, non-sparse </source>
        <translation>Komprimiert, ohne Sparse </translation>
    </message>
    <message>
        <source>Uncompressed, sparse </source>
        <translation>Unkomprimiert, Sparse </translation>
    </message>
    <message>
        <source>Uncompressed, non-sparse </source>
        <translation>Unkomprimiert, ohne Sparse </translation>
    </message>
    <message>
        <source>Compressed, </source>
        <translation>Komprimiert, </translation>
    </message>
    <message>
        <source>Uncompressed, </source>
        <translation>Unkomprimiert, </translation>
    </message>
    <message>
        <source> sparse </source>
        <translation> Sparse </translation>
    </message>
    <message>
        <source> non-sparse </source>
        <translation> ohne Sparse </translation>
    </message>
    <message>
        <source>&quot;Compressed&quot; sizes are the actual on-disk file size.</source>
        <translation>„Komprimiert“-Größen sind die tatsächliche Dateigröße auf dem Datenträger.</translation>
    </message>
    <message>
        <source>&quot;Uncompressed&quot; sizes are the nominal space occupied if not compressed.</source>
        <translation>„Unkomprimiert“-Größen sind der nominale Platz, den die Datei unkomprimiert belegt.</translation>
    </message>
    <message>
        <source>&quot;Sparse&quot; sizes are the actual on-disk file size.</source>
        <translation>„Sparse“-Größen sind die tatsächliche Dateigröße auf dem Datenträger.</translation>
    </message>
    <message>
        <source>&quot;Non-sparse&quot; sizes are the nominal space occupied if not sparse.</source>
        <translation>„Ohne Sparse“-Größen sind der nominale Platz, den die Datei ohne Sparse belegt.</translation>
    </message>
    <message>
        <source>  (partial scan)</source>
        <translation>  (Teilscan)</translation>
    </message>
    <message>
        <source>  (incomplete scan)</source>
        <translation>  (unvollständiger Scan)</translation>
    </message>
    <message>
        <source>

Folders not read in full: %1</source>
        <translation>

Nicht vollständig gelesene Ordner: %1</translation>
    </message>
    <message>
        <source> (scan file %1)</source>
        <translation> (Scan-Datei %1)</translation>
    </message>
    <message>
        <source>&amp;Largest Files</source>
        <translation>&amp;Größte Dateien</translation>
    </message>
    <message>
        <source>File &amp;Types</source>
        <translation>Datei&amp;typen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Scan files (*.json)</source>
        <translation>Scan-Dateien (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save piechart listing</source>
        <translation>Liste des Kreisdiagramms speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt) (*.txt)</source>
        <translation>Textdateien (*.txt) (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*) (*)</source>
        <translation>Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>%1 nominal</source>
        <translation>%1 nominal</translation>
    </message>
    <message>
        <source>%1 slack</source>
        <translation>%1 Verschnitt</translation>
    </message>
    <message>
        <source>%1 allocated</source>
        <translation>%1 belegt</translation>
    </message>
    <message>
        <source>Free space on the volume: %1</source>
        <translation>Freier Speicher auf dem Datenträger: %1</translation>
    </message>
    <message>
        <source>%1% of this folder</source>
        <translation>%1 % dieses Ordners</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a count of files</comment>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <comment>a count of files</comment>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>  (%1 free)</source>
        <translation>  (%1 frei)</translation>
    </message>
    <message>
        <source> Files: %1</source>
        <translation> Dateien: %1</translation>
    </message>
    <message>
        <source> Folders: %1</source>
        <translation> Ordner: %1</translation>
    </message>
    <message>
        <source>Max path: %1</source>
        <translation>Max. Pfad: %1</translation>
    </message>
    <message>
        <source>Maximum characters in file name is %1 at %2</source>
        <translation>Höchstzahl der Zeichen im Dateinamen: %1 bei %2</translation>
    </message>
    <message>
        <source>  (%1 since %2)</source>
        <translation>  (%1 seit %2)</translation>
    </message>
    <message>
        <source>The earlier scan of %1
holds only part of %2:
the rest shows as new.</source>
        <translation>Der frühere Scan von %1
enthält nur einen Teil von %2:
der Rest erscheint als neu.</translation>
    </message>
    <message>
        <source>Comparing %1
with the earlier scan of %2.</source>
        <translation>Vergleich von %1
mit dem früheren Scan von %2.</translation>
    </message>
    <message>
        <source>The earlier scan of %1
does not hold %2:
everything in it shows as new.</source>
        <translation>Der frühere Scan von %1
enthält %2 nicht:
alles darin erscheint als neu.</translation>
    </message>
    <message>
        <source>Comparing %1
with the same folder of the earlier scan of %2.</source>
        <translation>Vergleich von %1
mit demselben Ordner des früheren Scans von %2.</translation>
    </message>
    <message>
        <source>No program is set to open it</source>
        <translation>Kein Programm ist zum Öffnen eingerichtet</translation>
    </message>
    <message>
        <source>%1 (in part): %2</source>
        <translation>%1 (teilweise): %2</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>the operation was cancelled</source>
        <translation>der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>its path is too long for the Recycle Bin</source>
        <translation>sein Pfad ist zu lang für den Papierkorb</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>der Pfad ist ungültig</translation>
    </message>
    <message>
        <source>it is on a disc that cannot be written</source>
        <translation>es liegt auf einem nicht beschreibbaren Datenträger</translation>
    </message>
    <message>
        <source>there is no Recycle Bin on its drive</source>
        <translation>auf seinem Laufwerk gibt es keinen Papierkorb</translation>
    </message>
    <message>
        <source>the Recycle Bin cannot take it</source>
        <translation>der Papierkorb kann es nicht aufnehmen</translation>
    </message>
    <message>
        <source>the Windows shell cannot reach a name that ends in a dot or a blank</source>
        <translation>die Windows-Shell erreicht keinen Namen, der auf einen Punkt oder ein Leerzeichen endet</translation>
    </message>
    <message>
        <source>a name in its path holds one of &lt; &gt; : &quot; | ? *, which no Windows name may hold</source>
        <translation>ein Name in seinem Pfad enthält eines der Zeichen &lt; &gt; : &quot; | ? *, die kein Windows-Name enthalten darf</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Disk space</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Folder chart</source>
        <translation>Ordnerdiagramm</translation>
    </message>
    <message>
        <source>Folder entries</source>
        <translation>Ordnereinträge</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Quillet Options</source>
        <translation>Quillet-Optionen</translation>
    </message>
    <message>
        <source> Space Display </source>
        <translation> Anzeige des Speicherplatzes </translation>
    </message>
    <message>
        <source>Only show nominal bytes, ignore slack</source>
        <translation>Nur nominale Bytes zeigen, Verschnitt ignorieren</translation>
    </message>
    <message>
        <source>Show actual space on disk, with slack</source>
        <translation>Tatsächlich belegten Platz zeigen, mit Verschnitt</translation>
    </message>
    <message>
        <source>Show only the slack space</source>
        <translation>Nur den Verschnitt zeigen</translation>
    </message>
    <message>
        <source>Space on the disk is allocated in fixed size clusters, thus wasting space if these clusters are not completely filled.  Choose whether you wish to include the wasted slack space in the display and see a true picture.</source>
        <translation>Speicherplatz auf dem Datenträger wird in Clustern fester Größe vergeben; ist ein Cluster nicht ganz gefüllt, geht Platz verloren.  Wählen Sie, ob dieser Verschnitt in die Anzeige einfließen soll, damit sie ein wahres Bild zeigt.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source> Units </source>
        <translation> Einheiten </translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Choose whether the display will be in bytes, kilobytes (kB), megabytes (MB), gigabytes (GB) ot terabytes (TB).  The definitions used are 1024 bytes = 1 KB etc.  Or simply display a count of the files, not their size.</source>
        <translation>Wählen Sie, ob die Anzeige in Bytes, Kilobytes (kB), Megabytes (MB), Gigabytes (GB) oder Terabytes (TB) erfolgt.  Dabei gilt 1024 Bytes = 1 KB usw.  Oder zeigen Sie einfach die Anzahl der Dateien statt ihrer Größe.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source> Compressed files </source>
        <translation> Komprimierte Dateien </translation>
    </message>
    <message>
        <source>Compressed size</source>
        <translation>Komprimierte Größe</translation>
    </message>
    <message>
        <source>Uncompressed size</source>
        <translation>Unkomprimierte Größe</translation>
    </message>
    <message>
        <source> Sparse files </source>
        <translation> Sparse-Dateien </translation>
    </message>
    <message>
        <source>Sparse size</source>
        <translation>Sparse-Größe</translation>
    </message>
    <message>
        <source>Size if not sparse</source>
        <translation>Größe ohne Sparse</translation>
    </message>
    <message>
        <source>For non-9X Windows systems only, choose whether to take into account any file compression or sparse attributes or to ingore them.  Measuring the compressed size more accurately reflects the actual disk usage.</source>
        <translation>Nur für Windows-Systeme außer 9X: Wählen Sie, ob Komprimierungs- oder Sparse-Attribute von Dateien berücksichtigt oder ignoriert werden.  Die komprimierte Größe gibt die tatsächliche Belegung des Datenträgers genauer wieder.</translation>
    </message>
    <message>
        <source>Compressed &amp;&amp; sparse</source>
        <translation>Komprimiert &amp;&amp; Sparse</translation>
    </message>
    <message>
        <source> Explorer Folder right-click menu </source>
        <translation> Rechtsklickmenü für Ordner im Explorer </translation>
    </message>
    <message>
        <source>Enable &quot;Usage Pie Chart&quot; menu item</source>
        <translation>Menüeintrag „Belegung als Kreisdiagramm“ aktivieren</translation>
    </message>
    <message>
        <source>Enable allows you to right-click on a folder and get a pie-chart of that folder&apos;s disk usage.  Disable removes this option and restores the menu to its original state.</source>
        <translation>Eingeschaltet zeigt ein Rechtsklick auf einen Ordner dessen Belegung als Kreisdiagramm.  Ausgeschaltet wird dieser Eintrag entfernt und das Menü in seinen ursprünglichen Zustand zurückversetzt.</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source> Free disk space  display </source>
        <translation> Anzeige des freien Speicherplatzes </translation>
    </message>
    <message>
        <source>Show free disk space</source>
        <translation>Freien Speicherplatz anzeigen</translation>
    </message>
    <message>
        <source>Note: free space will show as a negative value in the list box. This is not an error, but to force display as a grey pie segment.</source>
        <translation>Hinweis: Der freie Speicherplatz erscheint in der Liste als negativer Wert. Das ist kein Fehler, sondern erzwingt die Darstellung als graues Kreissegment.</translation>
    </message>
    <message>
        <source>Checking the Show Free Disk Space box displays not only the used space on the disk, but the free space as well.  This is only relevant if and entire disk is being displayed.  This forces the Space to &quot;Allocated&quot; and NTFS display to &quot;Compressed&quot;.</source>
        <translation>Mit „Freien Speicherplatz anzeigen“ wird nicht nur der belegte, sondern auch der freie Platz auf dem Datenträger gezeigt.  Das ist nur sinnvoll, wenn ein ganzer Datenträger angezeigt wird.  Es stellt den Platz auf „Belegt“ und die NTFS-Anzeige auf „Komprimiert“.</translation>
    </message>
    <message>
        <source>Free Disk</source>
        <translation>Freier Platz</translation>
    </message>
    <message>
        <source> Repeat scan at regular intervals </source>
        <translation> Scan in regelmäßigen Abständen wiederholen </translation>
    </message>
    <message>
        <source>Repeat scan every</source>
        <translation>Scan wiederholen alle</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Show what changed since the previous scan</source>
        <translation>Zeigen, was sich seit dem vorigen Scan geändert hat</translation>
    </message>
    <message>
        <source>Checking the timer option makes the program automatically repeat the current scan every so often.  The interval is set above.</source>
        <translation>Mit der Zeitgeber-Option wiederholt das Programm den aktuellen Scan automatisch in Abständen.  Der Abstand wird oben eingestellt.</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Pie Font</source>
        <translation>Diagrammschrift</translation>
    </message>
    <message>
        <source>Choose the text font for the piechart</source>
        <translation>Schriftart für das Kreisdiagramm wählen</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset piechart colours to default values</source>
        <translation>Farben des Kreisdiagramms auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Double-click or right-click a piechart segement to change the colour</source>
        <translation>Doppel- oder Rechtsklick auf ein Segment des Kreisdiagramms ändert seine Farbe</translation>
    </message>
    <message>
        <source>List Font</source>
        <translation>Listenschrift</translation>
    </message>
    <message>
        <source>Choose the font for the listbox</source>
        <translation>Schriftart für die Liste wählen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Colour%1</source>
        <translation>Farbe%1</translation>
    </message>
    <message>
        <source>Minutes between scans</source>
        <translation>Minuten zwischen Scans</translation>
    </message>
    <message>
        <source>Chart colours</source>
        <translation>Diagrammfarben</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Farbliste</translation>
    </message>
</context>
<context>
    <name>TPieChart</name>
    <message>
        <source>Pie chart</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <source>One slice per entry, largest first</source>
        <translation>Ein Segment je Eintrag, das größte zuerst</translation>
    </message>
    <message>
        <source>%1, %2 %</source>
        <translation>%1, %2 %</translation>
    </message>
</context>
<context>
    <name>TTreeViews</name>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Allocated (GB) 0</source>
        <translation>Verschnitt (GB) 0</translation>
    </message>
    <message>
        <source>Choose a type to list its largest files</source>
        <translation>Einen Typ wählen, um seine größten Dateien aufzulisten</translation>
    </message>
    <message>
        <source>(no extension)  </source>
        <translation>(ohne Endung)  </translation>
    </message>
    <message>
        <source>Looking for the file types below %1...</source>
        <translation>Suche die Dateitypen unter %1...</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 types changed</source>
        <translation>Wie sich jeder Dateityp unter %1 geändert hat: %2 Typen geändert</translation>
    </message>
    <message>
        <source>%1 files of %2 types below %3</source>
        <translation>%1 Dateien von %2 Typen unter %3</translation>
    </message>
    <message>
        <source>%1 more types</source>
        <translation>%1 weitere Typen</translation>
    </message>
    <message>
        <source>Part of a name, or a pattern with * and ?</source>
        <translation>Teil eines Namens oder ein Muster mit * und ?</translation>
    </message>
    <message>
        <source>Text without * or ? is found anywhere in a name; with them the whole name must match (* any characters, ? one).
A to Z match either case. A character shown as an escape is typed as it is shown.</source>
        <translation>Text ohne * oder ? wird überall in einem Namen gefunden; mit ihnen muss der ganze Name passen (* beliebige Zeichen, ? genau eines).
A bis Z passen in Groß- und Kleinschreibung. Ein als Escape gezeigtes Zeichen wird so eingegeben, wie es gezeigt wird.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Nothing to search yet</source>
        <translation>Noch nichts zu suchen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type a name or a pattern, then Enter, to search below %1</source>
        <translation>Einen Namen oder ein Muster eingeben, dann Enter, um unter %1 zu suchen</translation>
    </message>
    <message>
        <source>Looking for %1 below %2...</source>
        <translation>Suche %1 unter %2...</translation>
    </message>
    <message>
        <source>No name below %1 matches %2</source>
        <translation>Kein Name unter %1 passt zu %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4, %5 in all</source>
        <translation>%1 %2 %3 unter %4, insgesamt %5</translation>
    </message>
    <message>
        <source>entry matches</source>
        <translation>Eintrag passt zu</translation>
    </message>
    <message>
        <source>entries match</source>
        <translation>Einträge passen zu</translation>
    </message>
    <message>
        <source> (the %1 largest listed)</source>
        <translation> (die %1 größten aufgeführt)</translation>
    </message>
    <message>
        <source>Looking for the largest %1 below %2...</source>
        <translation>Suche die größten %1 unter %2...</translation>
    </message>
    <message>
        <source>No %1 below %2 grew</source>
        <translation>Keine %1 unter %2 sind gewachsen</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew, the most first (a new one by its whole size)</source>
        <translation>%1 %2 unter %3 sind gewachsen, die stärksten zuerst (eine neue mit ihrer ganzen Größe)</translation>
    </message>
    <message>
        <source>The %1 %2 below %3 that grew most (a new one by its whole size)</source>
        <translation>Die %1 %2 unter %3, die am stärksten gewachsen sind (eine neue mit ihrer ganzen Größe)</translation>
    </message>
    <message>
        <source>The %1 largest of %2 %3 below %4</source>
        <translation>Die %1 größten von %2 %3 unter %4</translation>
    </message>
    <message>
        <source>%1 %2 below %3, largest first</source>
        <translation>%1 %2 unter %3, die größten zuerst</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>files without an extension</source>
        <translation>Dateien ohne Endung</translation>
    </message>
    <message>
        <source>.%1 files</source>
        <translation>.%1-Dateien</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Allocated</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Slack</source>
        <translation>Verschnitt</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Looking through %1 entries below %2...</source>
        <translation>Durchsuche %1 Einträge unter %2...</translation>
    </message>
    <message>
        <source>Largest Files</source>
        <translation>Größte Dateien</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Dateitypen</translation>
    </message>
    <message>
        <source>(no extension)</source>
        <translation>(ohne Endung)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>File types chart</source>
        <translation>Dateitypdiagramm</translation>
    </message>
    <message>
        <source>File types</source>
        <translation>Dateitypen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Found entries</source>
        <translation>Gefundene Einträge</translation>
    </message>
    <message>
        <source>Largest files</source>
        <translation>Größte Dateien</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 type changed</source>
        <translation>Wie sich jeder Dateityp unter %1 geändert hat: %2 Typ geändert</translation>
    </message>
    <message>
        <source>%1 file of %2 type below %3</source>
        <translation>%1 Datei von %2 Typ unter %3</translation>
    </message>
    <message>
        <source>%1 files of %2 type below %3</source>
        <translation>%1 Dateien von %2 Typ unter %3</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew (a new one by its whole size)</source>
        <translation>%1 %2 unter %3 ist gewachsen (eine neue mit ihrer ganzen Größe)</translation>
    </message>
    <message>
        <source>%1 %2 below %3</source>
        <translation>%1 %2 unter %3</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>file without an extension</source>
        <translation>Datei ohne Endung</translation>
    </message>
    <message>
        <source>.%1 file</source>
        <translation>.%1-Datei</translation>
    </message>
</context>
<context>
    <name>TfrmFileProperties</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Compressed Size: </source>
        <translation>Komprimierte Größe: </translation>
    </message>
    <message>
        <source>MS-DOS name:</source>
        <translation>MS-DOS-Name:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attribute:</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Compressed</source>
        <translation>Komprimiert</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Dateiversion:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source> Other version information </source>
        <translation> Weitere Versionsinformationen </translation>
    </message>
    <message>
        <source>Item name:</source>
        <translation>Elementname:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Error - can&apos;t find this file</source>
        <translation>Fehler - Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1 properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Elementname</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
</TS>
