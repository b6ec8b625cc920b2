<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation>Dividere e unire file PDF</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Need password</source>
        <translation>Password necessaria</translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation>Inserire la password per </translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation>Selezionare il file di origine</translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation>Impossibile aprire il file: </translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation>Non è un file PDF, oppure è danneggiato.</translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation>Inserire un numero valido</translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation>Inserire i numeri di pagina</translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation>Impossibile sovrascrivere il file PDF. Inserire un nuovo nome di file</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation>Divisione delle pagine: </translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation>, attendere...</translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation>Il file PDF è stato diviso correttamente.</translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation>Il file protetto è stato diviso senza la sua password.</translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation>Divisione non riuscita<byte value="xd"/>
Codice di errore: </translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation>Questo PDF non ha segnalibri al livello </translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation>1 file non è stato aggiunto: </translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation>%1 file non sono stati aggiunti: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altri %1</translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation>Aggiungere altri file PDF</translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation>Il file PDF è stato unito correttamente.</translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation>I file protetti sono stati uniti senza le loro password.</translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation>Impossibile scrivere il file PDF: </translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation>Verificare che il disco abbia spazio libero e che la cartella sia scrivibile.</translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation>Impossibile unire il file: </translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation>Verificare che NON sia cifrato o danneggiato.</translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation>Verificare che NON siano cifrati o danneggiati.</translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation>Il file non è stato trovato o non può essere letto.</translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation>Non è un file PDF.</translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation>È un file PDF danneggiato.</translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation>Usa una cifratura o una funzione che Paginor non gestisce.</translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation>Rimuoverlo dall&apos;elenco.</translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation>Questo elenco di pagine non è valido: </translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation>Questo elenco di pagine non indica nessuna pagina del file: </translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation>Impossibile avviare il motore PDF, quindi divisione e unione non sono disponibili.
Le altre parti della finestra funzionano ancora.</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Visitare il nostro sito web per verificare se è uscita una nuova versione?</translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation>Protetto: il numero di pagine appare dopo aver dato la password</translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation>Non è un PDF, oppure è danneggiato</translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation>Non scrive nessun file.</translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation>Oltre la fine, quindi omesse: </translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation>L&apos;intervallo inizia oltre la fine, quindi non seleziona nulla.</translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation>Impossibile leggere i segnalibri</translation>
    </message>
    <message>
        <source>These pages are larger than the limit on their own, each was written to a file by itself: </source>
        <translation>Queste pagine superano da sole il limite; ognuna è stata scritta in un file a sé: </translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
</context>
<context>
    <name>SplitSummary</name>
    <message>
        <source> (holds %1)</source>
        <translation> (contiene %1)</translation>
    </message>
    <message>
        <source>%L1 page</source>
        <translation>%L1 pagina</translation>
    </message>
    <message>
        <source>%L1 pages</source>
        <translation>%L1 pagine</translation>
    </message>
    <message>
        <source>Pages %1 are past the end.</source>
        <translation>Le pagine %1 sono oltre la fine.</translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation>La pagina %1 è oltre la fine.</translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation>Scrive 1 file: </translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation>Scrive %L1 file: </translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation>Scrive 1 file con %1</translation>
    </message>
    <message>
        <source>Writes files of at most %1 MB, about %L2 or more.</source>
        <translation>Scrive file di al massimo %1 MB, circa %L2 o più.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation>opzione sconosciuta: %1%2</translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation>--%1 accetta keep o drop, non %2</translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation>--pages accetta N=LIST, una volta per ogni input N, non %1</translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation>--range richiede FROM e TO: manca la pagina TO</translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation>--password accetta un solo valore, una sola volta</translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation>--bookmarks LEVEL ora si scrive --at-bookmarks LEVEL</translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation>split accetta solo --bookmarks none, non %1</translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation>--at-bookmarks accetta un livello (1 = il più alto), non %1</translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation>split richiede SOURCE e OUTPUT</translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation>outline richiede SOURCE</translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation>--bookmarks accetta per-file, keep o none, non %1</translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation>merge richiede OUTPUT e i file INPUT</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando sconosciuto: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation>Password necessaria: è stata data una password vuota</translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation>Impossibile leggere i segnalibri<byte value="xd"/>
Codice di errore: %1</translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation>Unione del file %1 di %2: %3</translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation>Scrittura di %1: %2%</translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation>Provare &apos;paginor-cli --help&apos;.</translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation>la password data non apre il file.</translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation> (usare --password o PAGINOR_PASSWORD)</translation>
    </message>
    <message>
        <source>--progress and --no-progress cannot be given together</source>
        <translation>--progress e --no-progress non possono essere indicati insieme</translation>
    </message>
    <message>
        <source>--rotate takes one value, once</source>
        <translation>--rotate accetta un solo valore, una sola volta</translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>indicare esattamente una tra --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>split richiede una tra --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>--size takes a size above 0 such as 10M, 500K or 1.5G, not %1</source>
        <translation>--size accetta una dimensione maggiore di 0, come 10M, 500K o 1.5G, non %1</translation>
    </message>
    <message>
        <source>%1 names input %2, but there are %3</source>
        <translation>%1 indica l&apos;input %2, ma ce ne sono solo %3</translation>
    </message>
    <message>
        <source>--rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, not %1</source>
        <translation>--rotate accetta N=ANGLE, una volta per ogni input N, con ANGLE multiplo di 90, non %1</translation>
    </message>
    <message>
        <source>--reverse takes an input number, once each, not %1</source>
        <translation>--reverse accetta un numero di input, una volta ciascuno, non %1</translation>
    </message>
    <message>
        <source>--rotate takes 90, 180 or 270, for some pages with their list (90:1-3,7), not %1</source>
        <translation>--rotate accetta 90, 180 o 270, per alcune pagine con il loro elenco (90:1-3,7), non %1</translation>
    </message>
    <message>
        <source>--rotate: this page list is not valid: %1</source>
        <translation>--rotate: questo elenco di pagine non è valido: %1</translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blu</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>&amp;Light Blue</source>
        <translation>Blu &amp;chiaro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Blu chiaro</translation>
    </message>
    <message>
        <source>&amp;Aqua</source>
        <translation>&amp;Acqua</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>Ar&amp;gento</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation>&amp;Nero</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation>Nessun &amp;tema</translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation>Nessun tema</translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation>&amp;Guida di Paginor</translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation>Guida di Paginor</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Paginor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni su Paginor</translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation>Altro freeware PDF...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
</context>
<context>
    <name>paginor::FormFlash</name>
    <message>
        <source>Licensed under the Apache License 2.0</source>
        <translation>Rilasciato con Apache License 2.0</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>paginor::FormMain</name>
    <message>
        <source>Cleavo</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Merger</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation>Il motore PDF non è disponibile.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation>Guida di Paginor</translation>
    </message>
</context>
<context>
    <name>paginor::MergeList</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>paginor::MergeListView</name>
    <message>
        <source>Drop PDF files or folders here, or press Add.</source>
        <translation>Trascinare qui file PDF o cartelle, oppure premere Aggiungi.</translation>
    </message>
</context>
<context>
    <name>paginor::MergeOptionsWindow</name>
    <message>
        <source>Merge options</source>
        <translation>Opzioni di unione</translation>
    </message>
    <message>
        <source>&amp;Interleave pages</source>
        <translation>&amp;Alterna le pagine</translation>
    </message>
    <message>
        <source>One page of each file in turn; reverse a file from its row&apos;s menu, for backs scanned last to first</source>
        <translation>Una pagina di ogni file a turno; inverti un file dal menu della sua riga, per retri scansionati dall&apos;ultimo al primo</translation>
    </message>
    <message>
        <source>A &amp;blank page after each file with an odd page count</source>
        <translation>Una pagina &amp;bianca dopo ogni file con un numero dispari di pagine</translation>
    </message>
    <message>
        <source>So that every file starts on a front side when printed on both sides</source>
        <translation>Perché ogni file inizi sul fronte di un foglio nella stampa fronte-retro</translation>
    </message>
    <message>
        <source>Add a &amp;contents page</source>
        <translation>Aggiungi una pagina di &amp;sommario</translation>
    </message>
    <message>
        <source>A first page listing each file with the page where it starts, each line a link</source>
        <translation>Una prima pagina che elenca ogni file con la pagina in cui inizia; ogni riga è un collegamento</translation>
    </message>
    <message>
        <source>Turn or reverse a file&apos;s pages from its row&apos;s menu (right-click the row).</source>
        <translation>Ruota o inverti le pagine di un file dal menu della sua riga (clic destro sulla riga).</translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Unisci</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowMenu</name>
    <message>
        <source>reversed</source>
        <translation>invertito</translation>
    </message>
    <message>
        <source>turned %1°</source>
        <translation>ruotato di %1°</translation>
    </message>
    <message>
        <source>&amp;Reverse pages</source>
        <translation>&amp;Inverti le pagine</translation>
    </message>
    <message>
        <source>&amp;Upright</source>
        <translation>&amp;Nessuna rotazione</translation>
    </message>
    <message>
        <source>Turn &amp;%1°</source>
        <translation>Ruota di &amp;%1°</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowPages</name>
    <message numerus="yes">
        <source>%Ln pages; double-click to see them</source>
        <translation>
            <numerusform>%Ln pagina; doppio clic per vederla</numerusform>
            <numerusform>%Ln pagine; doppio clic per vederle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation>impossibile mostrare questa pagina</translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation>tutte le pagine</translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation>tutte le %L1 pagine</translation>
    </message>
</context>
<context>
    <name>paginor::PagesWindow</name>
    <message>
        <source>Pages - </source>
        <translation>Pagine - </translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Segnalibri</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Dimensione delle miniature</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation>Usa come pagine scelte</translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation>Usa come punti di divisione</translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation>Usa per questa riga</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation>Questo file richiede la sua password.</translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation>Impossibile mostrare questo file: non è un file PDF, oppure è danneggiato.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation>%L1 pagine, %L2 scelte</translation>
    </message>
    <message>
        <source>, %L1 cuts</source>
        <translation>, %L1 tagli</translation>
    </message>
</context>
<context>
    <name>paginor::SplitPanel</name>
    <message>
        <source>File name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opzioni di divisione</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation>Salva intervallo: da</translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation>Salva pagine dispari</translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation>Salva pagine pari</translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation>Salva pagine scelte:</translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation>Dividi ai segnalibri di livello</translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation>Dividi dopo le pagine</translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation>pagine per file</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Pa&amp;ges...</source>
        <translation>Pa&amp;gine...</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Dividi</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Split into files of at most</source>
        <translation>Dividi in file di al massimo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
</TS>
