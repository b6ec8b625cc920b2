<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation>Diviser et fusionner des PDF</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Need password</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation>Veuillez saisir le mot de passe de </translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation>Veuillez choisir le fichier source</translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation>Impossible d&apos;ouvrir le fichier : </translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation>Ce n&apos;est pas un fichier PDF, ou il est endommagé.</translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation>Veuillez saisir un nombre valide</translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation>Veuillez saisir les numéros de page</translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation>Impossible d&apos;écraser le fichier PDF. Veuillez saisir un nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation>Division des pages : </translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation>, veuillez patienter...</translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation>Le fichier PDF a été divisé avec succès.</translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation>Le fichier protégé a été divisé sans son mot de passe.</translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation>Échec de la division<byte value="xd"/>
Code d&apos;erreur : </translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation>Ce PDF n&apos;a pas de signets au niveau </translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation>1 fichier n&apos;a pas été ajouté : </translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation>%1 fichiers n&apos;ont pas été ajoutés : </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation>Veuillez ajouter d&apos;autres fichiers PDF</translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation>Le fichier PDF a été fusionné avec succès.</translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation>Les fichiers protégés ont été fusionnés sans leurs mots de passe.</translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation>Impossible d&apos;écrire le fichier PDF : </translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation>Vérifiez que le disque a de la place et que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation>Impossible de fusionner le fichier : </translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation>Vérifiez qu&apos;il n&apos;est NI chiffré NI endommagé.</translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation>Vérifiez qu&apos;ils ne sont NI chiffrés NI endommagés.</translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation>Le fichier est introuvable ou illisible.</translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation>Ce n&apos;est pas un fichier PDF.</translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation>C&apos;est un fichier PDF endommagé.</translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation>Il utilise un chiffrement ou une fonction que Paginor ne prend pas en charge.</translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation>Veuillez le retirer de la liste.</translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation>Cette liste de pages n&apos;est pas valide : </translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation>Cette liste de pages ne désigne aucune page du fichier : </translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation>Le moteur PDF n&apos;a pas pu démarrer : la division et la fusion ne sont pas disponibles.
Le reste de la fenêtre fonctionne toujours.</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Voulez-vous visiter notre site web pour vérifier si une nouvelle version est sortie ?</translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation>Protégé : le nombre de pages s&apos;affiche une fois le mot de passe saisi</translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation>Pas un fichier PDF, ou endommagé</translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation>N&apos;écrit aucun fichier.</translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation>Au-delà de la fin, donc omises : </translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation>La plage commence au-delà de la fin, elle ne sélectionne donc rien.</translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation>Les signets ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>These pages are larger than the limit on their own, each was written to a file by itself: </source>
        <translation>Ces pages dépassent à elles seules la limite, chacune a été écrite dans un fichier à part : </translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>SplitSummary</name>
    <message>
        <source> (holds %1)</source>
        <translation> (contient %1)</translation>
    </message>
    <message>
        <source>%L1 page</source>
        <translation>%L1 page</translation>
    </message>
    <message>
        <source>%L1 pages</source>
        <translation>%L1 pages</translation>
    </message>
    <message>
        <source>Pages %1 are past the end.</source>
        <translation>Les pages %1 sont au-delà de la fin.</translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation>La page %1 est au-delà de la fin.</translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation>Écrit 1 fichier : </translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation>Écrit %L1 fichiers : </translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation>Écrit 1 fichier de %1</translation>
    </message>
    <message>
        <source>Writes files of at most %1 MB, about %L2 or more.</source>
        <translation>Écrit des fichiers d&apos;au plus %1 Mo, environ %L2 ou plus.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation>option inconnue : %1%2</translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation>--%1 accepte keep ou drop, pas %2</translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation>--pages accepte N=LIST, une fois par entrée N, pas %1</translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation>--range demande FROM et TO : la page TO manque</translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation>--password accepte une seule valeur, une seule fois</translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation>--bookmarks LEVEL s&apos;écrit désormais --at-bookmarks LEVEL</translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation>split n&apos;accepte que --bookmarks none, pas %1</translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation>--at-bookmarks accepte un niveau (1 = le plus haut), pas %1</translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation>split demande SOURCE et OUTPUT</translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation>outline demande SOURCE</translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation>--bookmarks accepte per-file, keep ou none, pas %1</translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation>merge demande OUTPUT et les fichiers INPUT</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>commande inconnue : %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation>Mot de passe requis : un mot de passe vide a été donné</translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation>Impossible de lire les signets<byte value="xd"/>
Code d&apos;erreur : %1</translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation>Ajout du fichier %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation>Écriture de %1 : %2 %</translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation>Essayez « paginor-cli --help ».</translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation>le mot de passe donné n&apos;ouvre pas le fichier.</translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation> (utilisez --password ou PAGINOR_PASSWORD)</translation>
    </message>
    <message>
        <source>--progress and --no-progress cannot be given together</source>
        <translation>--progress et --no-progress ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>--rotate takes one value, once</source>
        <translation>--rotate accepte une seule valeur, une seule fois</translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>indiquez exactement une option parmi --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>split demande une option parmi --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>--size takes a size above 0 such as 10M, 500K or 1.5G, not %1</source>
        <translation>--size accepte une taille supérieure à 0, comme 10M, 500K ou 1.5G, pas %1</translation>
    </message>
    <message>
        <source>%1 names input %2, but there are %3</source>
        <translation>%1 désigne l&apos;entrée %2, mais il n&apos;y en a que %3</translation>
    </message>
    <message>
        <source>--rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, not %1</source>
        <translation>--rotate accepte N=ANGLE, une fois par entrée N, ANGLE étant un multiple de 90, pas %1</translation>
    </message>
    <message>
        <source>--reverse takes an input number, once each, not %1</source>
        <translation>--reverse accepte un numéro d&apos;entrée, une fois chacun, pas %1</translation>
    </message>
    <message>
        <source>--rotate takes 90, 180 or 270, for some pages with their list (90:1-3,7), not %1</source>
        <translation>--rotate accepte 90, 180 ou 270, pour certaines pages avec leur liste (90:1-3,7), pas %1</translation>
    </message>
    <message>
        <source>--rotate: this page list is not valid: %1</source>
        <translation>--rotate : cette liste de pages n&apos;est pas valide : %1</translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>&amp;Light Blue</source>
        <translation>Bleu &amp;clair</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>&amp;Aqua</source>
        <translation>&amp;Aqua</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>Ar&amp;gent</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation>&amp;Noir</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation>&amp;Sans thème</translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation>Sans thème</translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation>&amp;Aide de Paginor</translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation>Aide de Paginor</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Paginor</translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation>Autres logiciels PDF gratuits...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
</context>
<context>
    <name>paginor::FormFlash</name>
    <message>
        <source>Licensed under the Apache License 2.0</source>
        <translation>Sous licence Apache License 2.0</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>paginor::FormMain</name>
    <message>
        <source>Cleavo</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Merger</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation>Le moteur PDF n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation>Aide de Paginor</translation>
    </message>
</context>
<context>
    <name>paginor::MergeList</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
</context>
<context>
    <name>paginor::MergeListView</name>
    <message>
        <source>Drop PDF files or folders here, or press Add.</source>
        <translation>Déposez ici des fichiers PDF ou des dossiers, ou appuyez sur Ajouter.</translation>
    </message>
</context>
<context>
    <name>paginor::MergeOptionsWindow</name>
    <message>
        <source>Merge options</source>
        <translation>Options de fusion</translation>
    </message>
    <message>
        <source>&amp;Interleave pages</source>
        <translation>&amp;Entrelacer les pages</translation>
    </message>
    <message>
        <source>One page of each file in turn; reverse a file from its row&apos;s menu, for backs scanned last to first</source>
        <translation>Une page de chaque fichier à tour de rôle ; inversez un fichier depuis le menu de sa ligne, pour des versos numérisés de la dernière à la première</translation>
    </message>
    <message>
        <source>A &amp;blank page after each file with an odd page count</source>
        <translation>Une page &amp;blanche après chaque fichier au nombre de pages impair</translation>
    </message>
    <message>
        <source>So that every file starts on a front side when printed on both sides</source>
        <translation>Pour que chaque fichier commence sur un recto en impression recto verso</translation>
    </message>
    <message>
        <source>Add a &amp;contents page</source>
        <translation>Ajouter une page de &amp;sommaire</translation>
    </message>
    <message>
        <source>A first page listing each file with the page where it starts, each line a link</source>
        <translation>Une première page qui liste chaque fichier avec la page où il commence, chaque ligne étant un lien</translation>
    </message>
    <message>
        <source>Turn or reverse a file&apos;s pages from its row&apos;s menu (right-click the row).</source>
        <translation>Faites pivoter ou inversez les pages d&apos;un fichier depuis le menu de sa ligne (clic droit sur la ligne).</translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowMenu</name>
    <message>
        <source>reversed</source>
        <translation>inversé</translation>
    </message>
    <message>
        <source>turned %1°</source>
        <translation>pivoté de %1°</translation>
    </message>
    <message>
        <source>&amp;Reverse pages</source>
        <translation>&amp;Inverser les pages</translation>
    </message>
    <message>
        <source>&amp;Upright</source>
        <translation>&amp;Sans rotation</translation>
    </message>
    <message>
        <source>Turn &amp;%1°</source>
        <translation>Pivoter de &amp;%1°</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowPages</name>
    <message numerus="yes">
        <source>%Ln pages; double-click to see them</source>
        <translation>
            <numerusform>%Ln page ; double-cliquez pour la voir</numerusform>
            <numerusform>%Ln pages ; double-cliquez pour les voir</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation>impossible d&apos;afficher cette page</translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation>toutes les pages</translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation>toutes les %L1 pages</translation>
    </message>
</context>
<context>
    <name>paginor::PagesWindow</name>
    <message>
        <source>Pages - </source>
        <translation>Pages - </translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Taille des miniatures</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation>Utiliser comme pages choisies</translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation>Utiliser comme points de division</translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation>Utiliser pour cette ligne</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation>Ce fichier demande son mot de passe.</translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation>Impossible d&apos;afficher ce fichier : ce n&apos;est pas un fichier PDF, ou il est endommagé.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation>%L1 pages, %L2 choisies</translation>
    </message>
    <message>
        <source>, %L1 cuts</source>
        <translation>, %L1 coupures</translation>
    </message>
</context>
<context>
    <name>paginor::SplitPanel</name>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Options de division</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation>Enregistrer les pages : de</translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation>Enregistrer les pages impaires</translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation>Enregistrer les pages paires</translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation>Enregistrer les pages choisies :</translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation>Diviser aux signets de niveau</translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation>Diviser après les pages</translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation>pages par fichier</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Pa&amp;ges...</source>
        <translation>Pa&amp;ges...</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Diviser</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Split into files of at most</source>
        <translation>Diviser en fichiers d&apos;au plus</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
</context>
</TS>
