<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FileDialogs</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FlashArtwork</name>
    <message>
        <source>Split and merge PDF files</source>
        <translation>Dividir e mesclar arquivos PDF</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Need password</source>
        <translation>Senha necessária</translation>
    </message>
    <message>
        <source>Please input the password for </source>
        <translation>Digite a senha de </translation>
    </message>
    <message>
        <source>Please select the source file</source>
        <translation>Selecione o arquivo de origem</translation>
    </message>
    <message>
        <source>Can not open file: </source>
        <translation>Não é possível abrir o arquivo: </translation>
    </message>
    <message>
        <source>It is not a PDF file, or it is damaged.</source>
        <translation>Não é um arquivo PDF, ou está danificado.</translation>
    </message>
    <message>
        <source>Please input a valid number</source>
        <translation>Digite um número válido</translation>
    </message>
    <message>
        <source>Please input the page number</source>
        <translation>Digite os números das páginas</translation>
    </message>
    <message>
        <source>Can not overwrite the PDF file. Please input a new file name</source>
        <translation>Não é possível sobrescrever o arquivo PDF. Digite um novo nome de arquivo</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Splitting page: </source>
        <translation>Dividindo páginas: </translation>
    </message>
    <message>
        <source>, please wait...</source>
        <translation>, aguarde...</translation>
    </message>
    <message>
        <source>PDF file has been successfully splitted.</source>
        <translation>O arquivo PDF foi dividido com sucesso.</translation>
    </message>
    <message>
        <source>The protected file was split without its password.</source>
        <translation>O arquivo protegido foi dividido sem a senha.</translation>
    </message>
    <message>
        <source>Split failed<byte value="xd"/>
Error code: </source>
        <translation>Falha ao dividir<byte value="xd"/>
Código de erro: </translation>
    </message>
    <message>
        <source>This PDF has no bookmarks at level </source>
        <translation>Este PDF não tem marcadores no nível </translation>
    </message>
    <message>
        <source>1 file was not added: </source>
        <translation>1 arquivo não foi adicionado: </translation>
    </message>
    <message>
        <source>%1 files were not added: </source>
        <translation>%1 arquivos não foram adicionados: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>Please add more PDF files</source>
        <translation>Adicione mais arquivos PDF</translation>
    </message>
    <message>
        <source>PDF file has been successfully merged.</source>
        <translation>O arquivo PDF foi mesclado com sucesso.</translation>
    </message>
    <message>
        <source>The protected files were merged without their passwords.</source>
        <translation>Os arquivos protegidos foram mesclados sem as senhas.</translation>
    </message>
    <message>
        <source>Can not write the PDF file: </source>
        <translation>Não é possível gravar o arquivo PDF: </translation>
    </message>
    <message>
        <source>Please make sure the disk has space and the folder can be written to.</source>
        <translation>Verifique se o disco tem espaço livre e se a pasta permite gravação.</translation>
    </message>
    <message>
        <source>Can not merge file: </source>
        <translation>Não é possível mesclar o arquivo: </translation>
    </message>
    <message>
        <source>Please make sure it is NOT encrypted or damaged.</source>
        <translation>Verifique se ele NÃO está criptografado nem danificado.</translation>
    </message>
    <message>
        <source>Please make sure they are NOT encrypted or damaged.</source>
        <translation>Verifique se eles NÃO estão criptografados nem danificados.</translation>
    </message>
    <message>
        <source>The file was not found or can not be read.</source>
        <translation>O arquivo não foi encontrado ou não pode ser lido.</translation>
    </message>
    <message>
        <source>It is not a PDF file.</source>
        <translation>Não é um arquivo PDF.</translation>
    </message>
    <message>
        <source>It is a damaged PDF file.</source>
        <translation>É um arquivo PDF danificado.</translation>
    </message>
    <message>
        <source>It uses an encryption or a feature that Paginor does not handle.</source>
        <translation>Usa uma criptografia ou um recurso que o Paginor não suporta.</translation>
    </message>
    <message>
        <source>Please remove it from the list.</source>
        <translation>Remova-o da lista.</translation>
    </message>
    <message>
        <source>This page list is not valid: </source>
        <translation>Esta lista de páginas não é válida: </translation>
    </message>
    <message>
        <source>This page list names no page of the file: </source>
        <translation>Esta lista de páginas não indica nenhuma página do arquivo: </translation>
    </message>
    <message>
        <source>The PDF engine could not be started, so splitting and merging are not available.
The other parts of the window still work.</source>
        <translation>Não foi possível iniciar o mecanismo de PDF, por isso dividir e mesclar não estão disponíveis.
As outras partes da janela continuam funcionando.</translation>
    </message>
    <message>
        <source>Do you want to visit our website to check if there is a new version released?</source>
        <translation>Deseja visitar nosso site para verificar se foi lançada uma nova versão?</translation>
    </message>
    <message>
        <source>Protected: the page count shows once the password is given</source>
        <translation>Protegido: o número de páginas aparece depois que a senha for informada</translation>
    </message>
    <message>
        <source>Not a PDF file, or damaged</source>
        <translation>Não é um PDF, ou está danificado</translation>
    </message>
    <message>
        <source>Writes no file.</source>
        <translation>Não grava nenhum arquivo.</translation>
    </message>
    <message>
        <source>Past the end, so left out: </source>
        <translation>Além do fim, por isso omitidas: </translation>
    </message>
    <message>
        <source>The range starts past the end, so it selects nothing.</source>
        <translation>O intervalo começa depois do fim, por isso não seleciona nada.</translation>
    </message>
    <message>
        <source>The bookmarks can not be read</source>
        <translation>Não é possível ler os marcadores</translation>
    </message>
    <message>
        <source>These pages are larger than the limit on their own, each was written to a file by itself: </source>
        <translation>Estas páginas sozinhas já passam do limite; cada uma foi gravada em um arquivo separado: </translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
</context>
<context>
    <name>SplitSummary</name>
    <message>
        <source> (holds %1)</source>
        <translation> (contém %1)</translation>
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
        <translation>As páginas %1 estão além do fim.</translation>
    </message>
    <message>
        <source>Page %1 is past the end.</source>
        <translation>A página %1 está além do fim.</translation>
    </message>
    <message>
        <source>Writes 1 file: </source>
        <translation>Grava 1 arquivo: </translation>
    </message>
    <message>
        <source>Writes %L1 files: </source>
        <translation>Grava %L1 arquivos: </translation>
    </message>
    <message>
        <source>Writes 1 file with %1</source>
        <translation>Grava 1 arquivo com %1</translation>
    </message>
    <message>
        <source>Writes files of at most %1 MB, about %L2 or more.</source>
        <translation>Grava arquivos de até %1 MB, cerca de %L2 ou mais.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>unknown option: %1%2</source>
        <translation>opção desconhecida: %1%2</translation>
    </message>
    <message>
        <source>--%1 takes keep or drop, not %2</source>
        <translation>--%1 aceita keep ou drop, não %2</translation>
    </message>
    <message>
        <source>--pages takes N=LIST, once per input N, not %1</source>
        <translation>--pages aceita N=LIST, uma vez por entrada N, não %1</translation>
    </message>
    <message>
        <source>--range needs FROM and TO: the TO page is missing</source>
        <translation>--range precisa de FROM e TO: falta a página TO</translation>
    </message>
    <message>
        <source>--password takes one value, once</source>
        <translation>--password aceita um só valor, uma só vez</translation>
    </message>
    <message>
        <source>--bookmarks LEVEL is now --at-bookmarks LEVEL</source>
        <translation>--bookmarks LEVEL agora é --at-bookmarks LEVEL</translation>
    </message>
    <message>
        <source>split takes only --bookmarks none, not %1</source>
        <translation>split aceita só --bookmarks none, não %1</translation>
    </message>
    <message>
        <source>--at-bookmarks takes a level (1 = the top), not %1</source>
        <translation>--at-bookmarks aceita um nível (1 = o mais alto), não %1</translation>
    </message>
    <message>
        <source>split needs SOURCE and OUTPUT</source>
        <translation>split precisa de SOURCE e OUTPUT</translation>
    </message>
    <message>
        <source>outline needs SOURCE</source>
        <translation>outline precisa de SOURCE</translation>
    </message>
    <message>
        <source>--bookmarks takes per-file, keep or none, not %1</source>
        <translation>--bookmarks aceita per-file, keep ou none, não %1</translation>
    </message>
    <message>
        <source>merge needs OUTPUT and the INPUT files</source>
        <translation>merge precisa de OUTPUT e dos arquivos INPUT</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando desconhecido: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Need password: an empty password was given</source>
        <translation>Senha necessária: foi informada uma senha vazia</translation>
    </message>
    <message>
        <source>Can not read the bookmarks<byte value="xd"/>
Error code: %1</source>
        <translation>Não é possível ler os marcadores<byte value="xd"/>
Código de erro: %1</translation>
    </message>
    <message>
        <source>Joining file %1 of %2: %3</source>
        <translation>Juntando o arquivo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Writing %1: %2%</source>
        <translation>Gravando %1: %2%</translation>
    </message>
    <message>
        <source>Try &apos;paginor-cli --help&apos;.</source>
        <translation>Tente &apos;paginor-cli --help&apos;.</translation>
    </message>
    <message>
        <source>the password given does not open the file.</source>
        <translation>a senha informada não abre o arquivo.</translation>
    </message>
    <message>
        <source> (use --password or PAGINOR_PASSWORD)</source>
        <translation> (use --password ou PAGINOR_PASSWORD)</translation>
    </message>
    <message>
        <source>--progress and --no-progress cannot be given together</source>
        <translation>--progress e --no-progress não podem ser informados juntos</translation>
    </message>
    <message>
        <source>--rotate takes one value, once</source>
        <translation>--rotate aceita um só valor, uma só vez</translation>
    </message>
    <message>
        <source>give exactly one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>informe exatamente uma destas opções: --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>split needs one of --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</source>
        <translation>split precisa de uma destas opções: --every, --range, --odd, --even, --pages, --at-bookmarks, --after, --size</translation>
    </message>
    <message>
        <source>--size takes a size above 0 such as 10M, 500K or 1.5G, not %1</source>
        <translation>--size aceita um tamanho acima de 0, como 10M, 500K ou 1.5G, não %1</translation>
    </message>
    <message>
        <source>%1 names input %2, but there are %3</source>
        <translation>%1 indica a entrada %2, mas só há %3</translation>
    </message>
    <message>
        <source>--rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, not %1</source>
        <translation>--rotate aceita N=ANGLE, uma vez por entrada N, com ANGLE múltiplo de 90, não %1</translation>
    </message>
    <message>
        <source>--reverse takes an input number, once each, not %1</source>
        <translation>--reverse aceita um número de entrada, uma vez cada, não %1</translation>
    </message>
    <message>
        <source>--rotate takes 90, 180 or 270, for some pages with their list (90:1-3,7), not %1</source>
        <translation>--rotate aceita 90, 180 ou 270, para algumas páginas com a lista delas (90:1-3,7), não %1</translation>
    </message>
    <message>
        <source>--rotate: this page list is not valid: %1</source>
        <translation>--rotate: esta lista de páginas não é válida: %1</translation>
    </message>
</context>
<context>
    <name>paginor::CommandBars</name>
    <message>
        <source>Menu Bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
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
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
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
        <translation>Água-&amp;marinha</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Água-marinha</translation>
    </message>
    <message>
        <source>&amp;Silver</source>
        <translation>&amp;Prata</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Bla&amp;ck</source>
        <translation>P&amp;reto</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>&amp;No Skin</source>
        <translation>&amp;Sem tema</translation>
    </message>
    <message>
        <source>No Skin</source>
        <translation>Sem tema</translation>
    </message>
    <message>
        <source>Paginor &amp;Help</source>
        <translation>A&amp;juda do Paginor</translation>
    </message>
    <message>
        <source>Paginor Help</source>
        <translation>Ajuda do Paginor</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o Paginor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre o Paginor</translation>
    </message>
    <message>
        <source>More PDF Freeware...</source>
        <translation>Mais programas PDF gratuitos...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
</context>
<context>
    <name>paginor::FormFlash</name>
    <message>
        <source>Licensed under the Apache License 2.0</source>
        <translation>Licenciado sob a Apache License 2.0</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Mesclar</translation>
    </message>
    <message>
        <source>The PDF engine is not available.</source>
        <translation>O mecanismo de PDF não está disponível.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>paginor::HelpWindow</name>
    <message>
        <source>Paginor Help</source>
        <translation>Ajuda do Paginor</translation>
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
        <translation>Solte aqui arquivos PDF ou pastas, ou clique em Adicionar.</translation>
    </message>
</context>
<context>
    <name>paginor::MergeOptionsWindow</name>
    <message>
        <source>Merge options</source>
        <translation>Opções de mesclagem</translation>
    </message>
    <message>
        <source>&amp;Interleave pages</source>
        <translation>&amp;Intercalar páginas</translation>
    </message>
    <message>
        <source>One page of each file in turn; reverse a file from its row&apos;s menu, for backs scanned last to first</source>
        <translation>Uma página de cada arquivo por vez; inverta um arquivo pelo menu da linha dele, para versos digitalizados da última para a primeira</translation>
    </message>
    <message>
        <source>A &amp;blank page after each file with an odd page count</source>
        <translation>Uma página em &amp;branco após cada arquivo com número ímpar de páginas</translation>
    </message>
    <message>
        <source>So that every file starts on a front side when printed on both sides</source>
        <translation>Para que cada arquivo comece na frente de uma folha ao imprimir frente e verso</translation>
    </message>
    <message>
        <source>Add a &amp;contents page</source>
        <translation>Adicionar uma página de &amp;sumário</translation>
    </message>
    <message>
        <source>A first page listing each file with the page where it starts, each line a link</source>
        <translation>Uma primeira página que lista cada arquivo com a página onde ele começa; cada linha é um link</translation>
    </message>
    <message>
        <source>Turn or reverse a file&apos;s pages from its row&apos;s menu (right-click the row).</source>
        <translation>Gire ou inverta as páginas de um arquivo pelo menu da linha dele (clique com o botão direito na linha).</translation>
    </message>
</context>
<context>
    <name>paginor::MergePanel</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Para &amp;cima</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Para &amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Mesclar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
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
        <translation>&amp;Inverter páginas</translation>
    </message>
    <message>
        <source>&amp;Upright</source>
        <translation>&amp;Sem girar</translation>
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
            <numerusform>%Ln página; clique duas vezes para vê-la</numerusform>
            <numerusform>%Ln páginas; clique duas vezes para vê-las</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>paginor::PageGrid</name>
    <message>
        <source>cannot show this page</source>
        <translation>não é possível mostrar esta página</translation>
    </message>
</context>
<context>
    <name>paginor::PagesColumnDelegate</name>
    <message>
        <source>all pages</source>
        <translation>todas as páginas</translation>
    </message>
    <message>
        <source>all %L1 pages</source>
        <translation>todas as %L1 páginas</translation>
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
        <translation>Tamanho das miniaturas</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Use as custom pages</source>
        <translation>Usar como páginas escolhidas</translation>
    </message>
    <message>
        <source>Use as split points</source>
        <translation>Usar como pontos de divisão</translation>
    </message>
    <message>
        <source>Use for this row</source>
        <translation>Usar para esta linha</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>This file needs its password.</source>
        <translation>Este arquivo precisa da senha.</translation>
    </message>
    <message>
        <source>Can not show this file: it is not a PDF file, or it is damaged.</source>
        <translation>Não é possível mostrar este arquivo: não é um arquivo PDF, ou está danificado.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%L1 pages, %L2 chosen</source>
        <translation>%L1 páginas, %L2 escolhidas</translation>
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
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>Split Options</source>
        <translation>Opções de divisão</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>A cada</translation>
    </message>
    <message>
        <source>Save page range: from</source>
        <translation>Salvar páginas: de</translation>
    </message>
    <message>
        <source>Save odd pages</source>
        <translation>Salvar páginas ímpares</translation>
    </message>
    <message>
        <source>Save even pages</source>
        <translation>Salvar páginas pares</translation>
    </message>
    <message>
        <source>Save custom pages:</source>
        <translation>Salvar páginas escolhidas:</translation>
    </message>
    <message>
        <source>Split at bookmarks of level</source>
        <translation>Dividir nos marcadores de nível</translation>
    </message>
    <message>
        <source>Split after pages</source>
        <translation>Dividir após as páginas</translation>
    </message>
    <message>
        <source>pages per file</source>
        <translation>páginas por arquivo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Split into files of at most</source>
        <translation>Dividir em arquivos de até</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
</TS>
