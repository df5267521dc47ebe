<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Imagem da solução</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Imagem escurecida</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Jogadas feitas</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Mensagem do jogo</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Sombra da mensagem do jogo</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Faixa de ferramentas</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Painel da web</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Área da imagem</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Painel do tabuleiro</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Cursor do teclado e dica</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Mais ferramentas</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Mais menus</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Um quebra-cabeça de imagens: uma imagem ou um vídeo cortado em peças para colocar de volta em ordem.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Uma imagem ou um vídeo para abrir (um caminho ou uma URL file:), ou o endereço http ou https de uma imagem para baixar.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[ARQUIVO-OU-ENDEREÇO]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Retoma o jogo guardado quando o Pindrel foi fechado pela última vez.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 não é uma imagem que possa ser aberta</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>o BMP %1 é curto demais para o seu tamanho de %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>memória insuficiente para o BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>não foi possível decodificar o BMP %1: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>o BMP %1 foi decodificado com um tamanho inesperado</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>não foi possível decodificar o JPEG: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 é grande demais para uma imagem JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>não foi possível decodificar a imagem %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>o tamanho de imagem %1x%2 está fora dos limites permitidos</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Falha inesperada.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>Retomar o ú&amp;ltimo jogo</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Nenhum jogo guardado.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Não foi possível ler o jogo guardado: ele estava danificado ou foi gravado por outra versão do Pindrel. Ele foi posto de lado como %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>A imagem do jogo guardado sumiu ou foi alterada:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>Não foi possível abrir a imagem do jogo guardado:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Retomar o último jogo</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Setas</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Mover o cursor do teclado</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Espaço, Enter</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Pressionar a peça sob o cursor (o primeiro toque mostra o cursor)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+Setas</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Mover peças: deslizar para o espaço vazio a peça daquele lado</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Teclas…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Tipos de arquivo suportados (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Imagens JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Vídeos AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Todas as imagens e vídeos</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Outras imagens</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Outros vídeos</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>&amp;Pausar</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Imagem inicial</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Recordes…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>D&amp;ica</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Novo recorde: melhor tempo e menos jogadas</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Novo recorde: melhor tempo</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Novo recorde: menos jogadas</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Recordes, mais recentes primeiro</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos jogadas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Limpar recordes</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Limpar recordes</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Mover peças</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Trocar peças</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Limpar todos os recordes?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Não foi possível limpar os recordes.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>um quebra-cabeça de imagens</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>Sobre o Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Um quebra-cabeça de imagens: qualquer foto ou vídeo vira um tabuleiro de peças para colocar de volta em ordem.

Escrito em C++ com Qt. As imagens são decodificadas pela libjpeg-turbo e os vídeos pelo FFmpeg.

Obrigado a todos que jogaram as primeiras versões e mandaram seus melhores tempos.

Contato: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Randomizing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Embaralhando</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Navegando</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Quebra-cabeça concluído! (%n jogada)</numerusform>
            <numerusform>Quebra-cabeça concluído! (%n jogadas)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Processando</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Não foi possível baixar a imagem.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Procurando</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>De novo? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Procurar imagens na web</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar jogo</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Atualizar/Reiniciar</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Imagem anterior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Próxima imagem</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Jogadas feitas</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Abrir &amp;URL…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Quebra-cabeças na &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>&amp;Reiniciar/Atualizar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Mostrar &amp;solução</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Configurar…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Mostrar &amp;barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>&amp;Escurecer peças selecionadas</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Escurecer peças fora do lugar</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>Mostrar &amp;grade</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Tocar som</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;Sobre o Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Visitar o Pindrel online…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: não é um vídeo reproduzível</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Não foi possível acessar o site.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Digite um endereço da internet abaixo e clique em OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Geral  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções do jogo</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Trocar peças</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Mover peças</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Reiniciar vídeo</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Atualização do AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>O jogo atual será perdido.

Tem certeza de que deseja reiniciar?</translation>
    </message>
</context>
</TS>
