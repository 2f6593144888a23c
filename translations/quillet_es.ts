<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>Acerca de Quillet</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>TFolderChooser</name>
    <message>
        <source>Not a file: %1</source>
        <translation>No es un archivo: %1</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>No es una carpeta: %1</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Abrir en el gestor de archivos</translation>
    </message>
    <message>
        <source>Choose a folder to scan</source>
        <translation>Elegir una carpeta para analizar</translation>
    </message>
    <message>
        <source>Folders and files</source>
        <translation>Carpetas y archivos</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Ruta del archivo</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Ruta de la carpeta</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de archivo</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Cannot save &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>No se puede guardar &quot;%1&quot;: más de un archivo tiene este nombre al mostrarlo como texto</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>No se puede abrir &quot;%1&quot;: más de un archivo tiene este nombre al mostrarlo como texto</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: No such file or directory</source>
        <translation>No se puede guardar &quot;%1&quot;: No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: No such file or directory</source>
        <translation>No se puede abrir &quot;%1&quot;: No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source> Open </source>
        <translation> Abrir </translation>
    </message>
    <message>
        <source>F5 - Refresh</source>
        <translation>F5 - Actualizar</translation>
    </message>
    <message>
        <source> Print </source>
        <translation> Imprimir </translation>
    </message>
    <message>
        <source>Units:  </source>
        <translation>Unidad:  </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
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
        <translation>Recuento</translation>
    </message>
    <message>
        <source> Show size in bytes, KB, MB, GB, TB or a count of files </source>
        <translation> Mostrar el tamaño en bytes, KB, MB, GB, TB o el número de archivos </translation>
    </message>
    <message>
        <source>Disk space: </source>
        <translation>Espacio en disco: </translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Allocated</source>
        <translation>Asignado</translation>
    </message>
    <message>
        <source>Slack only</source>
        <translation>Solo desperdicio</translation>
    </message>
    <message>
        <source> Choose how to include the slack space </source>
        <translation> Elegir cómo incluir el espacio desperdiciado </translation>
    </message>
    <message>
        <source>Stop timer refresh</source>
        <translation>Detener la actualización periódica</translation>
    </message>
    <message>
        <source>Maximum characters in file name</source>
        <translation>Número máximo de caracteres en el nombre de archivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> Stop the present scan </source>
        <translation> Detener el análisis en curso </translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Previous folder</source>
        <translation>Carpeta superior</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open scan file...</source>
        <translation>Abrir archivo de análisis...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Refresh from &amp;here</source>
        <translation>Actualizar desde a&amp;quí</translation>
    </message>
    <message>
        <source>&amp;Compare with Scan File...</source>
        <translation>&amp;Comparar con archivo de análisis...</translation>
    </message>
    <message>
        <source>&amp;Stop Comparing</source>
        <translation>&amp;Detener comparación</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Show &amp;Free Space</source>
        <translation>Mostrar espacio &amp;libre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <source>Compare with scan file</source>
        <translation>Comparar con un archivo de análisis</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot open the scan file %1: %2</source>
        <translation>No se puede abrir el archivo de análisis %1: %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>scan file %1</source>
        <translation>el archivo de análisis %1</translation>
    </message>
    <message>
        <source>Open scan file</source>
        <translation>Abrir archivo de análisis</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>trash</source>
        <translation>papelera</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Mover a la %1</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar la ruta</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Confirm folder delete</source>
        <translation>Confirmar la eliminación de la carpeta</translation>
    </message>
    <message>
        <source>Confirm file delete</source>
        <translation>Confirmar la eliminación del archivo</translation>
    </message>
    <message>
        <source>Delete folder: %1</source>
        <translation>Eliminar carpeta: %1</translation>
    </message>
    <message>
        <source>Delete file: %1</source>
        <translation>Eliminar archivo: %1</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>No se puede mostrar %1: %2</translation>
    </message>
    <message>
        <source>Cannot show the properties of %1: %2</source>
        <translation>No se pueden mostrar las propiedades de %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to the %2: %3</source>
        <translation>No se puede mover %1 a la %2: %3</translation>
    </message>
    <message>
        <source>Confirm move to %1</source>
        <translation>Confirmar el traslado a la %1</translation>
    </message>
    <message>
        <source>Move to %1: %2</source>
        <translation>Mover a la %1: %2</translation>
    </message>
    <message>
        <source>Quillet - overwrite existing usage file?</source>
        <translation>Quillet - ¿sobrescribir el archivo de uso existente?</translation>
    </message>
    <message>
        <source>File %1 already exists.  Do you want to overwrite the existing file?</source>
        <translation>El archivo %1 ya existe.  ¿Desea sobrescribir el archivo existente?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>No se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>Cannot scan &quot;%1&quot;: %2</source>
        <translation>No se puede analizar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Quillet - scanning...</source>
        <translation>Quillet - analizando...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analizando...</translation>
    </message>
    <message>
        <source>Scanning %1...</source>
        <translation>Analizando %1...</translation>
    </message>
    <message>
        <source>Compressed, sparse </source>
        <translation>Comprimido, disperso </translation>
    </message>
    <message>
        <source>Compressed, non-sparse </source>
        <translation>Comprimido, no disperso </translation>
    </message>
    <message>
        <source>Uncompressed, sparse </source>
        <translation>Sin comprimir, disperso </translation>
    </message>
    <message>
        <source>Uncompressed, non-sparse </source>
        <translation>Sin comprimir, no disperso </translation>
    </message>
    <message>
        <source>Compressed, </source>
        <translation>Comprimido, </translation>
    </message>
    <message>
        <source>Uncompressed, </source>
        <translation>Sin comprimir, </translation>
    </message>
    <message>
        <source> sparse </source>
        <translation> disperso </translation>
    </message>
    <message>
        <source> non-sparse </source>
        <translation> no disperso </translation>
    </message>
    <message>
        <source>&quot;Compressed&quot; sizes are the actual on-disk file size.</source>
        <translation>Los tamaños «Comprimido» son el tamaño real del archivo en el disco.</translation>
    </message>
    <message>
        <source>&quot;Uncompressed&quot; sizes are the nominal space occupied if not compressed.</source>
        <translation>Los tamaños «Sin comprimir» son el espacio nominal ocupado sin compresión.</translation>
    </message>
    <message>
        <source>&quot;Sparse&quot; sizes are the actual on-disk file size.</source>
        <translation>Los tamaños «disperso» son el tamaño real del archivo en el disco.</translation>
    </message>
    <message>
        <source>&quot;Non-sparse&quot; sizes are the nominal space occupied if not sparse.</source>
        <translation>Los tamaños «no disperso» son el espacio nominal ocupado si no fuera disperso.</translation>
    </message>
    <message>
        <source>  (partial scan)</source>
        <translation>  (análisis parcial)</translation>
    </message>
    <message>
        <source>  (incomplete scan)</source>
        <translation>  (análisis incompleto)</translation>
    </message>
    <message>
        <source>

Folders not read in full: %1</source>
        <translation>

Carpetas no leídas por completo: %1</translation>
    </message>
    <message>
        <source> (scan file %1)</source>
        <translation> (archivo de análisis %1)</translation>
    </message>
    <message>
        <source>&amp;Largest Files</source>
        <translation>Archivos más &amp;grandes</translation>
    </message>
    <message>
        <source>File &amp;Types</source>
        <translation>&amp;Tipos de archivo</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Scan files (*.json)</source>
        <translation>Archivos de análisis (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save piechart listing</source>
        <translation>Guardar la lista del gráfico circular</translation>
    </message>
    <message>
        <source>Text files (*.txt) (*.txt)</source>
        <translation>Archivos de texto (*.txt) (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*) (*)</source>
        <translation>Todos los archivos (*.*) (*)</translation>
    </message>
    <message>
        <source>%1 nominal</source>
        <translation>%1 nominales</translation>
    </message>
    <message>
        <source>%1 slack</source>
        <translation>%1 de desperdicio</translation>
    </message>
    <message>
        <source>%1 allocated</source>
        <translation>%1 asignados</translation>
    </message>
    <message>
        <source>Free space on the volume: %1</source>
        <translation>Espacio libre en el volumen: %1</translation>
    </message>
    <message>
        <source>%1% of this folder</source>
        <translation>%1 % de esta carpeta</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a count of files</comment>
        <translation>%1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <comment>a count of files</comment>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>  (%1 free)</source>
        <translation>  (%1 libres)</translation>
    </message>
    <message>
        <source> Files: %1</source>
        <translation> Archivos: %1</translation>
    </message>
    <message>
        <source> Folders: %1</source>
        <translation> Carpetas: %1</translation>
    </message>
    <message>
        <source>Max path: %1</source>
        <translation>Ruta máx.: %1</translation>
    </message>
    <message>
        <source>Maximum characters in file name is %1 at %2</source>
        <translation>Número máximo de caracteres en el nombre de archivo: %1 en %2</translation>
    </message>
    <message>
        <source>  (%1 since %2)</source>
        <translation>  (%1 desde %2)</translation>
    </message>
    <message>
        <source>The earlier scan of %1
holds only part of %2:
the rest shows as new.</source>
        <translation>El análisis anterior de %1
solo contiene una parte de %2:
el resto aparece como nuevo.</translation>
    </message>
    <message>
        <source>Comparing %1
with the earlier scan of %2.</source>
        <translation>Comparando %1
con el análisis anterior de %2.</translation>
    </message>
    <message>
        <source>The earlier scan of %1
does not hold %2:
everything in it shows as new.</source>
        <translation>El análisis anterior de %1
no contiene %2:
todo su contenido aparece como nuevo.</translation>
    </message>
    <message>
        <source>Comparing %1
with the same folder of the earlier scan of %2.</source>
        <translation>Comparando %1
con la misma carpeta del análisis anterior de %2.</translation>
    </message>
    <message>
        <source>No program is set to open it</source>
        <translation>No hay ningún programa configurado para abrirlo</translation>
    </message>
    <message>
        <source>%1 (in part): %2</source>
        <translation>%1 (en parte): %2</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>the operation was cancelled</source>
        <translation>la operación se canceló</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>acceso denegado</translation>
    </message>
    <message>
        <source>its path is too long for the Recycle Bin</source>
        <translation>su ruta es demasiado larga para la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>la ruta no es válida</translation>
    </message>
    <message>
        <source>it is on a disc that cannot be written</source>
        <translation>está en un disco que no se puede escribir</translation>
    </message>
    <message>
        <source>there is no Recycle Bin on its drive</source>
        <translation>no hay Papelera de reciclaje en su unidad</translation>
    </message>
    <message>
        <source>the Recycle Bin cannot take it</source>
        <translation>la Papelera de reciclaje no puede aceptarlo</translation>
    </message>
    <message>
        <source>the Windows shell cannot reach a name that ends in a dot or a blank</source>
        <translation>el shell de Windows no puede acceder a un nombre que termina en punto o en espacio</translation>
    </message>
    <message>
        <source>a name in its path holds one of &lt; &gt; : &quot; | ? *, which no Windows name may hold</source>
        <translation>un nombre de su ruta contiene uno de los caracteres &lt; &gt; : &quot; | ? *, que ningún nombre de Windows puede contener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Disk space</source>
        <translation>Espacio en disco</translation>
    </message>
    <message>
        <source>Folder chart</source>
        <translation>Gráfico de la carpeta</translation>
    </message>
    <message>
        <source>Folder entries</source>
        <translation>Elementos de la carpeta</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Quillet Options</source>
        <translation>Opciones de Quillet</translation>
    </message>
    <message>
        <source> Space Display </source>
        <translation> Visualización del espacio </translation>
    </message>
    <message>
        <source>Only show nominal bytes, ignore slack</source>
        <translation>Mostrar solo los bytes nominales, sin el desperdicio</translation>
    </message>
    <message>
        <source>Show actual space on disk, with slack</source>
        <translation>Mostrar el espacio real en disco, con el desperdicio</translation>
    </message>
    <message>
        <source>Show only the slack space</source>
        <translation>Mostrar solo el espacio desperdiciado</translation>
    </message>
    <message>
        <source>Space on the disk is allocated in fixed size clusters, thus wasting space if these clusters are not completely filled.  Choose whether you wish to include the wasted slack space in the display and see a true picture.</source>
        <translation>El espacio en disco se asigna en clústeres de tamaño fijo, por lo que se desperdicia espacio si no se llenan por completo.  Elija si desea incluir ese espacio desperdiciado en la visualización para ver una imagen fiel.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source> Units </source>
        <translation> Unidades </translation>
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
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Choose whether the display will be in bytes, kilobytes (kB), megabytes (MB), gigabytes (GB) ot terabytes (TB).  The definitions used are 1024 bytes = 1 KB etc.  Or simply display a count of the files, not their size.</source>
        <translation>Elija si la visualización será en bytes, kilobytes (kB), megabytes (MB), gigabytes (GB) o terabytes (TB).  Se usa la definición 1024 bytes = 1 KB, etc.  O simplemente muestre el número de archivos, no su tamaño.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source> Compressed files </source>
        <translation> Archivos comprimidos </translation>
    </message>
    <message>
        <source>Compressed size</source>
        <translation>Tamaño comprimido</translation>
    </message>
    <message>
        <source>Uncompressed size</source>
        <translation>Tamaño sin comprimir</translation>
    </message>
    <message>
        <source> Sparse files </source>
        <translation> Archivos dispersos </translation>
    </message>
    <message>
        <source>Sparse size</source>
        <translation>Tamaño disperso</translation>
    </message>
    <message>
        <source>Size if not sparse</source>
        <translation>Tamaño si no fuera disperso</translation>
    </message>
    <message>
        <source>For non-9X Windows systems only, choose whether to take into account any file compression or sparse attributes or to ingore them.  Measuring the compressed size more accurately reflects the actual disk usage.</source>
        <translation>Solo para sistemas Windows que no sean 9X: elija si se tienen en cuenta los atributos de compresión o de archivo disperso, o si se ignoran.  Medir el tamaño comprimido refleja con más exactitud el uso real del disco.</translation>
    </message>
    <message>
        <source>Compressed &amp;&amp; sparse</source>
        <translation>Comprimidos &amp;&amp; dispersos</translation>
    </message>
    <message>
        <source> Explorer Folder right-click menu </source>
        <translation> Menú contextual de carpetas en el Explorador </translation>
    </message>
    <message>
        <source>Enable &quot;Usage Pie Chart&quot; menu item</source>
        <translation>Activar el elemento de menú «Gráfico circular de uso»</translation>
    </message>
    <message>
        <source>Enable allows you to right-click on a folder and get a pie-chart of that folder&apos;s disk usage.  Disable removes this option and restores the menu to its original state.</source>
        <translation>Activado, permite hacer clic derecho en una carpeta y obtener un gráfico circular del uso de disco de esa carpeta.  Desactivado, quita esta opción y devuelve el menú a su estado original.</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source> Free disk space  display </source>
        <translation> Visualización del espacio libre en disco </translation>
    </message>
    <message>
        <source>Show free disk space</source>
        <translation>Mostrar el espacio libre en disco</translation>
    </message>
    <message>
        <source>Note: free space will show as a negative value in the list box. This is not an error, but to force display as a grey pie segment.</source>
        <translation>Nota: el espacio libre aparece como un valor negativo en la lista. No es un error, sino la forma de mostrarlo como un sector gris.</translation>
    </message>
    <message>
        <source>Checking the Show Free Disk Space box displays not only the used space on the disk, but the free space as well.  This is only relevant if and entire disk is being displayed.  This forces the Space to &quot;Allocated&quot; and NTFS display to &quot;Compressed&quot;.</source>
        <translation>Marcar «Mostrar el espacio libre en disco» muestra no solo el espacio usado del disco, sino también el libre.  Solo tiene sentido si se muestra un disco entero.  Esto fija el espacio en «Asignado» y la visualización NTFS en «Comprimido».</translation>
    </message>
    <message>
        <source>Free Disk</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source> Repeat scan at regular intervals </source>
        <translation> Repetir el análisis a intervalos regulares </translation>
    </message>
    <message>
        <source>Repeat scan every</source>
        <translation>Repetir el análisis cada</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Show what changed since the previous scan</source>
        <translation>Mostrar qué ha cambiado desde el análisis anterior</translation>
    </message>
    <message>
        <source>Checking the timer option makes the program automatically repeat the current scan every so often.  The interval is set above.</source>
        <translation>Marcar la opción del temporizador hace que el programa repita automáticamente el análisis actual cada cierto tiempo.  El intervalo se fija arriba.</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Pie Font</source>
        <translation>Fuente del gráfico</translation>
    </message>
    <message>
        <source>Choose the text font for the piechart</source>
        <translation>Elegir la fuente del gráfico circular</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Reset piechart colours to default values</source>
        <translation>Restablecer los colores predeterminados del gráfico circular</translation>
    </message>
    <message>
        <source>Double-click or right-click a piechart segement to change the colour</source>
        <translation>Haga doble clic o clic derecho en un sector del gráfico para cambiar su color</translation>
    </message>
    <message>
        <source>List Font</source>
        <translation>Fuente de la lista</translation>
    </message>
    <message>
        <source>Choose the font for the listbox</source>
        <translation>Elegir la fuente de la lista</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Colour%1</source>
        <translation>Color%1</translation>
    </message>
    <message>
        <source>Minutes between scans</source>
        <translation>Minutos entre análisis</translation>
    </message>
    <message>
        <source>Chart colours</source>
        <translation>Colores del gráfico</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Lista de colores</translation>
    </message>
</context>
<context>
    <name>TPieChart</name>
    <message>
        <source>Pie chart</source>
        <translation>Gráfico circular</translation>
    </message>
    <message>
        <source>One slice per entry, largest first</source>
        <translation>Una porción por elemento, la mayor primero</translation>
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
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Allocated (GB) 0</source>
        <translation>Desperdicio (GB) 0</translation>
    </message>
    <message>
        <source>Choose a type to list its largest files</source>
        <translation>Elija un tipo para ver sus archivos más grandes</translation>
    </message>
    <message>
        <source>(no extension)  </source>
        <translation>(sin extensión)  </translation>
    </message>
    <message>
        <source>Looking for the file types below %1...</source>
        <translation>Buscando los tipos de archivo en %1...</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 types changed</source>
        <translation>Cómo cambió cada tipo de archivo en %1: %2 tipos cambiaron</translation>
    </message>
    <message>
        <source>%1 files of %2 types below %3</source>
        <translation>%1 archivos de %2 tipos en %3</translation>
    </message>
    <message>
        <source>%1 more types</source>
        <translation>%1 tipos más</translation>
    </message>
    <message>
        <source>Part of a name, or a pattern with * and ?</source>
        <translation>Parte de un nombre, o un patrón con * y ?</translation>
    </message>
    <message>
        <source>Text without * or ? is found anywhere in a name; with them the whole name must match (* any characters, ? one).
A to Z match either case. A character shown as an escape is typed as it is shown.</source>
        <translation>Un texto sin * ni ? se encuentra en cualquier parte de un nombre; con ellos, el nombre entero debe coincidir (* cualquier cantidad de caracteres, ? uno).
De la A a la Z coinciden mayúsculas y minúsculas. Un carácter mostrado como secuencia de escape se escribe tal como se muestra.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Nothing to search yet</source>
        <translation>Todavía no hay nada que buscar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Type a name or a pattern, then Enter, to search below %1</source>
        <translation>Escriba un nombre o un patrón y pulse Intro para buscar en %1</translation>
    </message>
    <message>
        <source>Looking for %1 below %2...</source>
        <translation>Buscando %1 en %2...</translation>
    </message>
    <message>
        <source>No name below %1 matches %2</source>
        <translation>Ningún nombre en %1 coincide con %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4, %5 in all</source>
        <translation>%1 %2 %3 en %4, %5 en total</translation>
    </message>
    <message>
        <source>entry matches</source>
        <translation>entrada coincide con</translation>
    </message>
    <message>
        <source>entries match</source>
        <translation>entradas coinciden con</translation>
    </message>
    <message>
        <source> (the %1 largest listed)</source>
        <translation> (se muestran los %1 más grandes)</translation>
    </message>
    <message>
        <source>Looking for the largest %1 below %2...</source>
        <translation>Buscando los %1 más grandes en %2...</translation>
    </message>
    <message>
        <source>No %1 below %2 grew</source>
        <translation>Ninguno de los %1 en %2 ha crecido</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew, the most first (a new one by its whole size)</source>
        <translation>%1 %2 en %3 han crecido, primero los que más (uno nuevo cuenta con todo su tamaño)</translation>
    </message>
    <message>
        <source>The %1 %2 below %3 that grew most (a new one by its whole size)</source>
        <translation>Los %1 %2 en %3 que más han crecido (uno nuevo cuenta con todo su tamaño)</translation>
    </message>
    <message>
        <source>The %1 largest of %2 %3 below %4</source>
        <translation>Los %1 más grandes de %2 %3 en %4</translation>
    </message>
    <message>
        <source>%1 %2 below %3, largest first</source>
        <translation>%1 %2 en %3, los más grandes primero</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>files without an extension</source>
        <translation>archivos sin extensión</translation>
    </message>
    <message>
        <source>.%1 files</source>
        <translation>archivos .%1</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
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
        <translation>Asignado</translation>
    </message>
    <message>
        <source>Slack</source>
        <translation>Desperdicio</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Looking through %1 entries below %2...</source>
        <translation>Recorriendo %1 entradas en %2...</translation>
    </message>
    <message>
        <source>Largest Files</source>
        <translation>Archivos más grandes</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Tipos de archivo</translation>
    </message>
    <message>
        <source>(no extension)</source>
        <translation>(sin extensión)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>File types chart</source>
        <translation>Gráfico de tipos de archivo</translation>
    </message>
    <message>
        <source>File types</source>
        <translation>Tipos de archivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Found entries</source>
        <translation>Elementos encontrados</translation>
    </message>
    <message>
        <source>Largest files</source>
        <translation>Archivos más grandes</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 type changed</source>
        <translation>Cómo cambió cada tipo de archivo en %1: %2 tipo cambió</translation>
    </message>
    <message>
        <source>%1 file of %2 type below %3</source>
        <translation>%1 archivo de %2 tipo en %3</translation>
    </message>
    <message>
        <source>%1 files of %2 type below %3</source>
        <translation>%1 archivos de %2 tipo en %3</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew (a new one by its whole size)</source>
        <translation>%1 %2 en %3 ha crecido (uno nuevo cuenta con todo su tamaño)</translation>
    </message>
    <message>
        <source>%1 %2 below %3</source>
        <translation>%1 %2 en %3</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>file without an extension</source>
        <translation>archivo sin extensión</translation>
    </message>
    <message>
        <source>.%1 file</source>
        <translation>archivo .%1</translation>
    </message>
</context>
<context>
    <name>TfrmFileProperties</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Compressed Size: </source>
        <translation>Tamaño comprimido: </translation>
    </message>
    <message>
        <source>MS-DOS name:</source>
        <translation>Nombre MS-DOS:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creado:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Atributos:</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Compressed</source>
        <translation>Comprimido</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Versión del archivo:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source> Other version information </source>
        <translation> Otra información de versión </translation>
    </message>
    <message>
        <source>Item name:</source>
        <translation>Nombre del elemento:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Error - can&apos;t find this file</source>
        <translation>Error - no se encuentra el archivo</translation>
    </message>
    <message>
        <source>%1 properties</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(desconocido)</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Propiedades del archivo</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Nombre del elemento</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
</TS>
