<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation>Dividir y unir archivos PDF</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Need password</source>
        <translation>Se necesita contraseña</translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation>Introduzca la contraseña de </translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation>No es un archivo PDF, o está dañado.</translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation>Introduzca un número válido</translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation>Introduzca los números de página</translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation>No se puede sobrescribir el archivo PDF. Introduzca un nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation>Dividiendo páginas: </translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation>, espere, por favor...</translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation>El archivo PDF se ha dividido correctamente.</translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation>El archivo protegido se ha dividido sin su contraseña.</translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation>Error al dividir<byte value="xd"/>
Código de error: </translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation>Este PDF no tiene marcadores en el nivel </translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation>1 archivo no se ha añadido: </translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation>%1 archivos no se han añadido: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation>Añada más archivos PDF</translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation>El archivo PDF se ha unido correctamente.</translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation>Los archivos protegidos se han unido sin sus contraseñas.</translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation>No se puede escribir el archivo PDF: </translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation>Compruebe que el disco tiene espacio y que se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation>No se puede unir el archivo: </translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation>Compruebe que NO está cifrado ni dañado.</translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation>Compruebe que NO están cifrados ni dañados.</translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation>El archivo no se encontró o no se puede leer.</translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation>No es un archivo PDF.</translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation>Es un archivo PDF dañado.</translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation>Usa un cifrado o una función que Paginor no admite.</translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation>Quítelo de la lista.</translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation>Esta lista de páginas no es válida: </translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation>Esta lista de páginas no nombra ninguna página del archivo: </translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation>No se pudo iniciar el motor PDF, así que dividir y unir no están disponibles.
Las demás partes de la ventana siguen funcionando.</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>¿Desea visitar nuestro sitio web para comprobar si hay una nueva versión?</translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation>Protegido: el número de páginas aparece al dar la contraseña</translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation>No es un PDF, o está dañado</translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation>No escribe ningún archivo.</translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation>Más allá del final, por eso se omiten: </translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation>El intervalo empieza después del final, así que no selecciona nada.</translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation>No se pueden leer los marcadores</translation>
    </message>
    <message>
        <source>These pages are larger than the limit on their own, each was written to a file by itself: </source>
        <translation>Estas páginas superan el límite por sí solas; cada una se ha escrito en un archivo aparte: </translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
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
        <translation>%L1 página</translation>
    </message>
    <message>
        <source>%L1 pages</source>
        <translation>%L1 páginas</translation>
    </message>
    <message>
        <source>Pages %1 are past the end.</source>
        <translation>Las páginas %1 están más allá del final.</translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation>La página %1 está más allá del final.</translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation>Escribe 1 archivo: </translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation>Escribe %L1 archivos: </translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation>Escribe 1 archivo con %1</translation>
    </message>
    <message>
        <source>Writes files of at most %1 MB, about %L2 or more.</source>
        <translation>Escribe archivos de hasta %1 MB, unos %L2 o más.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation>opción desconocida: %1%2</translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation>--%1 admite keep o drop, no %2</translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation>--pages admite N=LIST, una vez por cada entrada N, no %1</translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation>--range necesita FROM y TO: falta la página TO</translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation>--password admite un solo valor, una sola vez</translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation>--bookmarks LEVEL ahora es --at-bookmarks LEVEL</translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation>split solo admite --bookmarks none, no %1</translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation>--at-bookmarks admite un nivel (1 = el superior), no %1</translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation>split necesita SOURCE y OUTPUT</translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation>outline necesita SOURCE</translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation>--bookmarks admite per-file, keep o none, no %1</translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation>merge necesita OUTPUT y los archivos INPUT</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>orden desconocida: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation>Se necesita contraseña: se ha dado una contraseña vacía</translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation>No se pueden leer los marcadores<byte value="xd"/>
Código de error: %1</translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation>Uniendo el archivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation>Escribiendo %1: %2 %</translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation>Pruebe &apos;paginor-cli --help&apos;.</translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation>la contraseña dada no abre el archivo.</translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation> (use --password o PAGINOR_PASSWORD)</translation>
    </message>
    <message>
        <source>--progress and --no-progress cannot be given together</source>
        <translation>--progress y --no-progress no se pueden indicar a la vez</translation>
    </message>
    <message>
        <source>--rotate takes one value, once</source>
        <translation>--rotate admite un solo valor, una sola vez</translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>indique exactamente una de estas opciones: --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>split necesita una de estas opciones: --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>--size takes a size above 0 such as 10M, 500K or 1.5G, not %1</source>
        <translation>--size admite un tamaño mayor que 0, como 10M, 500K o 1.5G, no %1</translation>
    </message>
    <message>
        <source>%1 names input %2, but there are %3</source>
        <translation>%1 nombra la entrada %2, pero solo hay %3</translation>
    </message>
    <message>
        <source>--rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, not %1</source>
        <translation>--rotate admite N=ANGLE, una vez por cada entrada N, con ANGLE múltiplo de 90, no %1</translation>
    </message>
    <message>
        <source>--reverse takes an input number, once each, not %1</source>
        <translation>--reverse admite un número de entrada, una vez cada uno, no %1</translation>
    </message>
    <message>
        <source>--rotate takes 90, 180 or 270, for some pages with their list (90:1-3,7), not %1</source>
        <translation>--rotate admite 90, 180 o 270, para algunas páginas con su lista (90:1-3,7), no %1</translation>
    </message>
    <message>
        <source>--rotate: this page list is not valid: %1</source>
        <translation>--rotate: esta lista de páginas no es válida: %1</translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>&amp;Light Blue</source>
        <translation>Azul &amp;claro</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>&amp;Aqua</source>
        <translation>Agua&amp;marina</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>&amp;Plata</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation>&amp;Negro</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation>&amp;Sin tema</translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation>Sin tema</translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation>&amp;Ayuda de Paginor</translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation>Ayuda de Paginor</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de Paginor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Paginor</translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation>Más software PDF gratuito...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
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
        <translation>Con licencia Apache License 2.0</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>paginor::FormMain</name>
    <message>
        <source>Cleavo</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Merger</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation>El motor PDF no está disponible.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation>Ayuda de Paginor</translation>
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
        <translation>Suelte aquí archivos PDF o carpetas, o pulse Añadir.</translation>
    </message>
</context>
<context>
    <name>paginor::MergeOptionsWindow</name>
    <message>
        <source>Merge options</source>
        <translation>Opciones de unión</translation>
    </message>
    <message>
        <source>&amp;Interleave pages</source>
        <translation>&amp;Intercalar páginas</translation>
    </message>
    <message>
        <source>One page of each file in turn; reverse a file from its row&apos;s menu, for backs scanned last to first</source>
        <translation>Una página de cada archivo por turnos; invierta un archivo desde el menú de su fila, para reversos escaneados de la última a la primera</translation>
    </message>
    <message>
        <source>A &amp;blank page after each file with an odd page count</source>
        <translation>Una página en &amp;blanco tras cada archivo con un número impar de páginas</translation>
    </message>
    <message>
        <source>So that every file starts on a front side when printed on both sides</source>
        <translation>Para que cada archivo empiece en el anverso de una hoja al imprimir a doble cara</translation>
    </message>
    <message>
        <source>Add a &amp;contents page</source>
        <translation>Añadir una página de ín&amp;dice</translation>
    </message>
    <message>
        <source>A first page listing each file with the page where it starts, each line a link</source>
        <translation>Una primera página con cada archivo y la página donde empieza; cada línea es un enlace</translation>
    </message>
    <message>
        <source>Turn or reverse a file&apos;s pages from its row&apos;s menu (right-click the row).</source>
        <translation>Gire o invierta las páginas de un archivo desde el menú de su fila (clic derecho en la fila).</translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Unir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowMenu</name>
    <message>
        <source>reversed</source>
        <translation>invertido</translation>
    </message>
    <message>
        <source>turned %1°</source>
        <translation>girado %1°</translation>
    </message>
    <message>
        <source>&amp;Reverse pages</source>
        <translation>&amp;Invertir páginas</translation>
    </message>
    <message>
        <source>&amp;Upright</source>
        <translation>&amp;Sin girar</translation>
    </message>
    <message>
        <source>Turn &amp;%1°</source>
        <translation>Girar &amp;%1°</translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowPages</name>
    <message numerus="yes">
        <source>%Ln pages; double-click to see them</source>
        <translation>
            <numerusform>%Ln página; doble clic para verla</numerusform>
            <numerusform>%Ln páginas; doble clic para verlas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation>no se puede mostrar esta página</translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation>todas las páginas</translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation>todas las %L1 páginas</translation>
    </message>
</context>
<context>
    <name>paginor::PagesWindow</name>
    <message>
        <source>Pages - </source>
        <translation>Páginas - </translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation>Tamaño de las miniaturas</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation>Usar como páginas elegidas</translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation>Usar como puntos de división</translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation>Usar para esta fila</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation>Este archivo necesita su contraseña.</translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation>No se puede mostrar este archivo: no es un archivo PDF, o está dañado.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation>%L1 páginas, %L2 elegidas</translation>
    </message>
    <message>
        <source>, %L1 cuts</source>
        <translation>, %L1 cortes</translation>
    </message>
</context>
<context>
    <name>paginor::SplitPanel</name>
    <message>
        <source>File name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opciones de división</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation>Guardar páginas: desde</translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation>Guardar páginas impares</translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation>Guardar páginas pares</translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation>Guardar páginas elegidas:</translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation>Dividir en marcadores de nivel</translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation>Dividir tras las páginas</translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation>páginas por archivo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Pa&amp;ges...</source>
        <translation>Pá&amp;ginas...</translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Split into files of at most</source>
        <translation>Dividir en archivos de hasta</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
</TS>
