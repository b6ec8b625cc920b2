<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplitSummary</name>
    <message>
        <source> (holds %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages %1 are past the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pages names input %1, but there are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::FormFlash</name>
    <message>
        <source>Licensed under the Apache License 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::FormMain</name>
    <message>
        <source>Cleavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::MergeList</name>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::MergeListView</name>
    <message>
        <source>Drop PDF files or folders here, or press Add.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::MergeRowPages</name>
    <message numerus="yes">
        <source>%Ln pages; double-click to see them</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::PagesWindow</name>
    <message>
        <source>Pages - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 cuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>paginor::SplitPanel</name>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;ges...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
