<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>À propos de Quillet</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>TFolderChooser</name>
    <message>
        <source>Not a file: %1</source>
        <translation>Pas un fichier : %1</translation>
    </message>
    <message>
        <source>Not a folder: %1</source>
        <translation>Pas un dossier : %1</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Ouvrir dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Choose a folder to scan</source>
        <translation>Choisir un dossier à analyser</translation>
    </message>
    <message>
        <source>Folders and files</source>
        <translation>Dossiers et fichiers</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>File path</source>
        <translation>Chemin du fichier</translation>
    </message>
    <message>
        <source>Folder path</source>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Type de fichier</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Cannot save &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>Impossible d&apos;enregistrer &quot;%1&quot; : plusieurs fichiers portent ce nom une fois affiché en texte</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: more than one file has this name when shown as text</source>
        <translation>Impossible d&apos;ouvrir &quot;%1&quot; : plusieurs fichiers portent ce nom une fois affiché en texte</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: No such file or directory</source>
        <translation>Impossible d&apos;enregistrer &quot;%1&quot; : Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: No such file or directory</source>
        <translation>Impossible d&apos;ouvrir &quot;%1&quot; : Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Occupation</translation>
    </message>
    <message>
        <source> Open </source>
        <translation> Ouvrir </translation>
    </message>
    <message>
        <source>F5 - Refresh</source>
        <translation>F5 - Actualiser</translation>
    </message>
    <message>
        <source> Print </source>
        <translation> Imprimer </translation>
    </message>
    <message>
        <source>Units:  </source>
        <translation>Unité :  </translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source> Show size in bytes, KB, MB, GB, TB or a count of files </source>
        <translation> Afficher la taille en octets, KB, MB, GB, TB ou le nombre de fichiers </translation>
    </message>
    <message>
        <source>Disk space: </source>
        <translation>Espace disque : </translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Allocated</source>
        <translation>Alloué</translation>
    </message>
    <message>
        <source>Slack only</source>
        <translation>Perte seule</translation>
    </message>
    <message>
        <source> Choose how to include the slack space </source>
        <translation> Choisir comment compter l&apos;espace perdu </translation>
    </message>
    <message>
        <source>Stop timer refresh</source>
        <translation>Arrêter l&apos;actualisation périodique</translation>
    </message>
    <message>
        <source>Maximum characters in file name</source>
        <translation>Nombre maximal de caractères dans le nom de fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Stop the present scan </source>
        <translation> Arrêter l&apos;analyse en cours </translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Remonter</translation>
    </message>
    <message>
        <source>Previous folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open scan file...</source>
        <translation>Ouvrir un fichier d&apos;analyse...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Refresh from &amp;here</source>
        <translation>Actualiser à partir d&apos;&amp;ici</translation>
    </message>
    <message>
        <source>&amp;Compare with Scan File...</source>
        <translation>&amp;Comparer avec un fichier d&apos;analyse...</translation>
    </message>
    <message>
        <source>&amp;Stop Comparing</source>
        <translation>Arrêter la co&amp;mparaison</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Show &amp;Free Space</source>
        <translation>Afficher l&apos;espace &amp;libre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Compare with scan file</source>
        <translation>Comparer avec un fichier d&apos;analyse</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open the scan file %1: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;analyse %1 : %2</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>scan file %1</source>
        <translation>le fichier d&apos;analyse %1</translation>
    </message>
    <message>
        <source>Open scan file</source>
        <translation>Ouvrir un fichier d&apos;analyse</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>trash</source>
        <translation>corbeille</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Déplacer vers la %1</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Confirm folder delete</source>
        <translation>Confirmer la suppression du dossier</translation>
    </message>
    <message>
        <source>Confirm file delete</source>
        <translation>Confirmer la suppression du fichier</translation>
    </message>
    <message>
        <source>Delete folder: %1</source>
        <translation>Supprimer le dossier : %1</translation>
    </message>
    <message>
        <source>Delete file: %1</source>
        <translation>Supprimer le fichier : %1</translation>
    </message>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>Impossible d&apos;afficher %1 : %2</translation>
    </message>
    <message>
        <source>Cannot show the properties of %1: %2</source>
        <translation>Impossible d&apos;afficher les propriétés de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to the %2: %3</source>
        <translation>Impossible de déplacer %1 vers la %2 : %3</translation>
    </message>
    <message>
        <source>Confirm move to %1</source>
        <translation>Confirmer le déplacement vers la %1</translation>
    </message>
    <message>
        <source>Move to %1: %2</source>
        <translation>Déplacer vers la %1 : %2</translation>
    </message>
    <message>
        <source>Quillet - overwrite existing usage file?</source>
        <translation>Quillet - remplacer le fichier d&apos;occupation existant ?</translation>
    </message>
    <message>
        <source>File %1 already exists.  Do you want to overwrite the existing file?</source>
        <translation>Le fichier %1 existe déjà.  Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>The printer could not be started</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>Cannot scan &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;analyser &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Quillet - scanning...</source>
        <translation>Quillet - analyse en cours...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message>
        <source>Scanning %1...</source>
        <translation>Analyse de %1...</translation>
    </message>
    <message>
        <source>Compressed, sparse </source>
        <translation>Compressé, creux </translation>
    </message>
    <message>
        <source>Compressed, non-sparse </source>
        <translation>Compressé, non creux </translation>
    </message>
    <message>
        <source>Uncompressed, sparse </source>
        <translation>Non compressé, creux </translation>
    </message>
    <message>
        <source>Uncompressed, non-sparse </source>
        <translation>Non compressé, non creux </translation>
    </message>
    <message>
        <source>Compressed, </source>
        <translation>Compressé, </translation>
    </message>
    <message>
        <source>Uncompressed, </source>
        <translation>Non compressé, </translation>
    </message>
    <message>
        <source> sparse </source>
        <translation> creux </translation>
    </message>
    <message>
        <source> non-sparse </source>
        <translation> non creux </translation>
    </message>
    <message>
        <source>&quot;Compressed&quot; sizes are the actual on-disk file size.</source>
        <translation>Les tailles « Compressé » sont la taille réelle du fichier sur le disque.</translation>
    </message>
    <message>
        <source>&quot;Uncompressed&quot; sizes are the nominal space occupied if not compressed.</source>
        <translation>Les tailles « Non compressé » sont l&apos;espace nominal occupé sans compression.</translation>
    </message>
    <message>
        <source>&quot;Sparse&quot; sizes are the actual on-disk file size.</source>
        <translation>Les tailles « creux » sont la taille réelle du fichier sur le disque.</translation>
    </message>
    <message>
        <source>&quot;Non-sparse&quot; sizes are the nominal space occupied if not sparse.</source>
        <translation>Les tailles « non creux » sont l&apos;espace nominal occupé si le fichier n&apos;était pas creux.</translation>
    </message>
    <message>
        <source>  (partial scan)</source>
        <translation>  (analyse partielle)</translation>
    </message>
    <message>
        <source>  (incomplete scan)</source>
        <translation>  (analyse incomplète)</translation>
    </message>
    <message>
        <source>

Folders not read in full: %1</source>
        <translation>

Dossiers non lus en entier : %1</translation>
    </message>
    <message>
        <source> (scan file %1)</source>
        <translation> (fichier d&apos;analyse %1)</translation>
    </message>
    <message>
        <source>&amp;Largest Files</source>
        <translation>&amp;Plus gros fichiers</translation>
    </message>
    <message>
        <source>File &amp;Types</source>
        <translation>&amp;Types de fichiers</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Scan files (*.json)</source>
        <translation>Fichiers d&apos;analyse (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save piechart listing</source>
        <translation>Enregistrer la liste du diagramme circulaire</translation>
    </message>
    <message>
        <source>Text files (*.txt) (*.txt)</source>
        <translation>Fichiers texte (*.txt) (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*) (*)</source>
        <translation>Tous les fichiers (*.*) (*)</translation>
    </message>
    <message>
        <source>%1 nominal</source>
        <translation>%1 nominaux</translation>
    </message>
    <message>
        <source>%1 slack</source>
        <translation>%1 de perte</translation>
    </message>
    <message>
        <source>%1 allocated</source>
        <translation>%1 alloués</translation>
    </message>
    <message>
        <source>Free space on the volume: %1</source>
        <translation>Espace libre sur le volume : %1</translation>
    </message>
    <message>
        <source>%1% of this folder</source>
        <translation>%1 % de ce dossier</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a count of files</comment>
        <translation>%1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <comment>a count of files</comment>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>  (%1 free)</source>
        <translation>  (%1 libres)</translation>
    </message>
    <message>
        <source> Files: %1</source>
        <translation> Fichiers : %1</translation>
    </message>
    <message>
        <source> Folders: %1</source>
        <translation> Dossiers : %1</translation>
    </message>
    <message>
        <source>Max path: %1</source>
        <translation>Chemin max. : %1</translation>
    </message>
    <message>
        <source>Maximum characters in file name is %1 at %2</source>
        <translation>Nombre maximal de caractères dans un nom de fichier : %1 pour %2</translation>
    </message>
    <message>
        <source>  (%1 since %2)</source>
        <translation>  (%1 depuis %2)</translation>
    </message>
    <message>
        <source>The earlier scan of %1
holds only part of %2:
the rest shows as new.</source>
        <translation>L&apos;analyse précédente de %1
ne contient qu&apos;une partie de %2 :
le reste apparaît comme nouveau.</translation>
    </message>
    <message>
        <source>Comparing %1
with the earlier scan of %2.</source>
        <translation>Comparaison de %1
avec l&apos;analyse précédente de %2.</translation>
    </message>
    <message>
        <source>The earlier scan of %1
does not hold %2:
everything in it shows as new.</source>
        <translation>L&apos;analyse précédente de %1
ne contient pas %2 :
tout son contenu apparaît comme nouveau.</translation>
    </message>
    <message>
        <source>Comparing %1
with the same folder of the earlier scan of %2.</source>
        <translation>Comparaison de %1
avec le même dossier de l&apos;analyse précédente de %2.</translation>
    </message>
    <message>
        <source>No program is set to open it</source>
        <translation>Aucun programme n&apos;est défini pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>%1 (in part): %2</source>
        <translation>%1 (en partie) : %2</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>Pas un dossier</translation>
    </message>
    <message>
        <source>the operation was cancelled</source>
        <translation>l&apos;opération a été annulée</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>its path is too long for the Recycle Bin</source>
        <translation>son chemin est trop long pour la Corbeille</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>le chemin n&apos;est pas valide</translation>
    </message>
    <message>
        <source>it is on a disc that cannot be written</source>
        <translation>il se trouve sur un disque non inscriptible</translation>
    </message>
    <message>
        <source>there is no Recycle Bin on its drive</source>
        <translation>il n&apos;y a pas de Corbeille sur son lecteur</translation>
    </message>
    <message>
        <source>the Recycle Bin cannot take it</source>
        <translation>la Corbeille ne peut pas le recevoir</translation>
    </message>
    <message>
        <source>the Windows shell cannot reach a name that ends in a dot or a blank</source>
        <translation>le shell de Windows ne peut pas atteindre un nom qui se termine par un point ou une espace</translation>
    </message>
    <message>
        <source>a name in its path holds one of &lt; &gt; : &quot; | ? *, which no Windows name may hold</source>
        <translation>un nom de son chemin contient l&apos;un des caractères &lt; &gt; : &quot; | ? *, interdits dans un nom Windows</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Disk space</source>
        <translation>Espace disque</translation>
    </message>
    <message>
        <source>Folder chart</source>
        <translation>Diagramme du dossier</translation>
    </message>
    <message>
        <source>Folder entries</source>
        <translation>Éléments du dossier</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Quillet Options</source>
        <translation>Options de Quillet</translation>
    </message>
    <message>
        <source> Space Display </source>
        <translation> Affichage de l&apos;espace </translation>
    </message>
    <message>
        <source>Only show nominal bytes, ignore slack</source>
        <translation>Afficher seulement les octets nominaux, ignorer la perte</translation>
    </message>
    <message>
        <source>Show actual space on disk, with slack</source>
        <translation>Afficher l&apos;espace réel sur le disque, avec la perte</translation>
    </message>
    <message>
        <source>Show only the slack space</source>
        <translation>Afficher seulement l&apos;espace perdu</translation>
    </message>
    <message>
        <source>Space on the disk is allocated in fixed size clusters, thus wasting space if these clusters are not completely filled.  Choose whether you wish to include the wasted slack space in the display and see a true picture.</source>
        <translation>L&apos;espace disque est alloué par blocs (clusters) de taille fixe, ce qui perd de la place quand ces blocs ne sont pas entièrement remplis.  Choisissez d&apos;inclure ou non cet espace perdu dans l&apos;affichage pour obtenir une image fidèle.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source> Units </source>
        <translation> Unités </translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Choose whether the display will be in bytes, kilobytes (kB), megabytes (MB), gigabytes (GB) ot terabytes (TB).  The definitions used are 1024 bytes = 1 KB etc.  Or simply display a count of the files, not their size.</source>
        <translation>Choisissez si l&apos;affichage se fait en octets, kilo-octets (kB), mégaoctets (MB), gigaoctets (GB) ou téraoctets (TB).  Les définitions utilisées sont 1024 octets = 1 KB, etc.  Ou affichez simplement le nombre de fichiers, et non leur taille.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source> Compressed files </source>
        <translation> Fichiers compressés </translation>
    </message>
    <message>
        <source>Compressed size</source>
        <translation>Taille compressée</translation>
    </message>
    <message>
        <source>Uncompressed size</source>
        <translation>Taille non compressée</translation>
    </message>
    <message>
        <source> Sparse files </source>
        <translation> Fichiers creux </translation>
    </message>
    <message>
        <source>Sparse size</source>
        <translation>Taille creuse</translation>
    </message>
    <message>
        <source>Size if not sparse</source>
        <translation>Taille si non creux</translation>
    </message>
    <message>
        <source>For non-9X Windows systems only, choose whether to take into account any file compression or sparse attributes or to ingore them.  Measuring the compressed size more accurately reflects the actual disk usage.</source>
        <translation>Pour les systèmes Windows autres que 9X seulement : choisissez de tenir compte ou non des attributs de compression ou de fichier creux.  Mesurer la taille compressée reflète plus fidèlement l&apos;occupation réelle du disque.</translation>
    </message>
    <message>
        <source>Compressed &amp;&amp; sparse</source>
        <translation>Compressés &amp;&amp; creux</translation>
    </message>
    <message>
        <source> Explorer Folder right-click menu </source>
        <translation> Menu contextuel des dossiers dans l&apos;Explorateur </translation>
    </message>
    <message>
        <source>Enable &quot;Usage Pie Chart&quot; menu item</source>
        <translation>Activer l&apos;élément de menu « Diagramme d&apos;occupation »</translation>
    </message>
    <message>
        <source>Enable allows you to right-click on a folder and get a pie-chart of that folder&apos;s disk usage.  Disable removes this option and restores the menu to its original state.</source>
        <translation>Activé, un clic droit sur un dossier permet d&apos;obtenir un diagramme circulaire de son occupation du disque.  Désactivé, cette option est retirée et le menu retrouve son état d&apos;origine.</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source> Free disk space  display </source>
        <translation> Affichage de l&apos;espace disque libre </translation>
    </message>
    <message>
        <source>Show free disk space</source>
        <translation>Afficher l&apos;espace disque libre</translation>
    </message>
    <message>
        <source>Note: free space will show as a negative value in the list box. This is not an error, but to force display as a grey pie segment.</source>
        <translation>Remarque : l&apos;espace libre apparaît comme une valeur négative dans la liste. Ce n&apos;est pas une erreur : cela force son affichage en secteur gris.</translation>
    </message>
    <message>
        <source>Checking the Show Free Disk Space box displays not only the used space on the disk, but the free space as well.  This is only relevant if and entire disk is being displayed.  This forces the Space to &quot;Allocated&quot; and NTFS display to &quot;Compressed&quot;.</source>
        <translation>Cocher « Afficher l&apos;espace disque libre » montre non seulement l&apos;espace utilisé du disque, mais aussi l&apos;espace libre.  Cela n&apos;a de sens que si un disque entier est affiché.  L&apos;espace passe alors à « Alloué » et l&apos;affichage NTFS à « Compressé ».</translation>
    </message>
    <message>
        <source>Free Disk</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source> Repeat scan at regular intervals </source>
        <translation> Répéter l&apos;analyse à intervalles réguliers </translation>
    </message>
    <message>
        <source>Repeat scan every</source>
        <translation>Répéter l&apos;analyse toutes les</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Show what changed since the previous scan</source>
        <translation>Afficher ce qui a changé depuis l&apos;analyse précédente</translation>
    </message>
    <message>
        <source>Checking the timer option makes the program automatically repeat the current scan every so often.  The interval is set above.</source>
        <translation>Cocher l&apos;option de minuterie fait répéter automatiquement l&apos;analyse en cours à intervalles réguliers.  L&apos;intervalle se règle ci-dessus.</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>Pie Font</source>
        <translation>Police du diagramme</translation>
    </message>
    <message>
        <source>Choose the text font for the piechart</source>
        <translation>Choisir la police du diagramme circulaire</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Reset piechart colours to default values</source>
        <translation>Rétablir les couleurs par défaut du diagramme circulaire</translation>
    </message>
    <message>
        <source>Double-click or right-click a piechart segement to change the colour</source>
        <translation>Double-cliquez ou cliquez droit sur un secteur du diagramme pour changer sa couleur</translation>
    </message>
    <message>
        <source>List Font</source>
        <translation>Police de la liste</translation>
    </message>
    <message>
        <source>Choose the font for the listbox</source>
        <translation>Choisir la police de la liste</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Colour%1</source>
        <translation>Couleur%1</translation>
    </message>
    <message>
        <source>Minutes between scans</source>
        <translation>Minutes entre les analyses</translation>
    </message>
    <message>
        <source>Chart colours</source>
        <translation>Couleurs du diagramme</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Liste des couleurs</translation>
    </message>
</context>
<context>
    <name>TPieChart</name>
    <message>
        <source>Pie chart</source>
        <translation>Diagramme circulaire</translation>
    </message>
    <message>
        <source>One slice per entry, largest first</source>
        <translation>Une part par élément, la plus grande d’abord</translation>
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
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Allocated (GB) 0</source>
        <translation>Variation (GB) 0</translation>
    </message>
    <message>
        <source>Choose a type to list its largest files</source>
        <translation>Choisir un type pour lister ses plus gros fichiers</translation>
    </message>
    <message>
        <source>(no extension)  </source>
        <translation>(sans extension)  </translation>
    </message>
    <message>
        <source>Looking for the file types below %1...</source>
        <translation>Recherche des types de fichiers dans %1...</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 types changed</source>
        <translation>Évolution de chaque type de fichier dans %1 : %2 types ont changé</translation>
    </message>
    <message>
        <source>%1 files of %2 types below %3</source>
        <translation>%1 fichiers de %2 types dans %3</translation>
    </message>
    <message>
        <source>%1 more types</source>
        <translation>%1 autres types</translation>
    </message>
    <message>
        <source>Part of a name, or a pattern with * and ?</source>
        <translation>Partie d&apos;un nom, ou un motif avec * et ?</translation>
    </message>
    <message>
        <source>Text without * or ? is found anywhere in a name; with them the whole name must match (* any characters, ? one).
A to Z match either case. A character shown as an escape is typed as it is shown.</source>
        <translation>Un texte sans * ni ? est trouvé n&apos;importe où dans un nom ; avec eux, le nom entier doit correspondre (* des caractères quelconques, ? un seul).
De A à Z, majuscules et minuscules se valent. Un caractère affiché sous forme d&apos;échappement se saisit tel qu&apos;il est affiché.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Nothing to search yet</source>
        <translation>Rien à rechercher pour l&apos;instant</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Type a name or a pattern, then Enter, to search below %1</source>
        <translation>Saisir un nom ou un motif, puis Entrée, pour rechercher dans %1</translation>
    </message>
    <message>
        <source>Looking for %1 below %2...</source>
        <translation>Recherche de %1 dans %2...</translation>
    </message>
    <message>
        <source>No name below %1 matches %2</source>
        <translation>Aucun nom dans %1 ne correspond à %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 below %4, %5 in all</source>
        <translation>%1 %2 %3 dans %4, %5 au total</translation>
    </message>
    <message>
        <source>entry matches</source>
        <translation>entrée correspond à</translation>
    </message>
    <message>
        <source>entries match</source>
        <translation>entrées correspondent à</translation>
    </message>
    <message>
        <source> (the %1 largest listed)</source>
        <translation> (les %1 plus gros listés)</translation>
    </message>
    <message>
        <source>Looking for the largest %1 below %2...</source>
        <translation>Recherche des plus gros %1 dans %2...</translation>
    </message>
    <message>
        <source>No %1 below %2 grew</source>
        <translation>Aucun des %1 dans %2 n&apos;a grossi</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew, the most first (a new one by its whole size)</source>
        <translation>%1 %2 dans %3 ont grossi, les plus fortes hausses d&apos;abord (un nouveau compte pour toute sa taille)</translation>
    </message>
    <message>
        <source>The %1 %2 below %3 that grew most (a new one by its whole size)</source>
        <translation>Les %1 %2 dans %3 qui ont le plus grossi (un nouveau compte pour toute sa taille)</translation>
    </message>
    <message>
        <source>The %1 largest of %2 %3 below %4</source>
        <translation>Les %1 plus gros parmi %2 %3 dans %4</translation>
    </message>
    <message>
        <source>%1 %2 below %3, largest first</source>
        <translation>%1 %2 dans %3, les plus gros d&apos;abord</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>files without an extension</source>
        <translation>fichiers sans extension</translation>
    </message>
    <message>
        <source>.%1 files</source>
        <translation>fichiers .%1</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
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
        <translation>Alloué</translation>
    </message>
    <message>
        <source>Slack</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Looking through %1 entries below %2...</source>
        <translation>Parcours de %1 entrées dans %2...</translation>
    </message>
    <message>
        <source>Largest Files</source>
        <translation>Plus gros fichiers</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Types de fichiers</translation>
    </message>
    <message>
        <source>(no extension)</source>
        <translation>(sans extension)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>File types chart</source>
        <translation>Diagramme des types de fichier</translation>
    </message>
    <message>
        <source>File types</source>
        <translation>Types de fichier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Found entries</source>
        <translation>Éléments trouvés</translation>
    </message>
    <message>
        <source>Largest files</source>
        <translation>Plus gros fichiers</translation>
    </message>
    <message>
        <source>How each file type below %1 changed: %2 type changed</source>
        <translation>Évolution de chaque type de fichier dans %1 : %2 type a changé</translation>
    </message>
    <message>
        <source>%1 file of %2 type below %3</source>
        <translation>%1 fichier de %2 type dans %3</translation>
    </message>
    <message>
        <source>%1 files of %2 type below %3</source>
        <translation>%1 fichiers de %2 type dans %3</translation>
    </message>
    <message>
        <source>%1 %2 below %3 grew (a new one by its whole size)</source>
        <translation>%1 %2 dans %3 a grossi (un nouveau compte pour toute sa taille)</translation>
    </message>
    <message>
        <source>%1 %2 below %3</source>
        <translation>%1 %2 dans %3</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>file without an extension</source>
        <translation>fichier sans extension</translation>
    </message>
    <message>
        <source>.%1 file</source>
        <translation>fichier .%1</translation>
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
        <translation>Type :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Compressed Size: </source>
        <translation>Taille compressée : </translation>
    </message>
    <message>
        <source>MS-DOS name:</source>
        <translation>Nom MS-DOS :</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Créé le :</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié le :</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Dernier accès :</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attributs :</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Compressed</source>
        <translation>Compressé</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>File version:</source>
        <translation>Version du fichier :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source> Other version information </source>
        <translation> Autres informations de version </translation>
    </message>
    <message>
        <source>Item name:</source>
        <translation>Nom de l&apos;élément :</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Error - can&apos;t find this file</source>
        <translation>Erreur - fichier introuvable</translation>
    </message>
    <message>
        <source>%1 properties</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(inconnu)</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Propriétés du fichier</translation>
    </message>
    <message>
        <source>Item name</source>
        <translation>Nom de l’élément</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
</TS>
