#include "app/InterfaceTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace morvane::InterfaceTexts {

namespace {
using K = Kind;
} // namespace

const std::vector<Text>& mainWindowPortuguese()
{
    static const std::vector<Text> texts{
        // Messages.
        {"Label1", K::Caption, "Arquivo não encontrado."},
        {"Label2", K::Caption, "O Clipboard não contém Bitmap."},
        {"Label4", K::Caption, "Abra uma foto e depois escolha um cabelo!"},
        {"Label6", K::Caption, "Confirma APAGAR a(s) foto(s) selecionada(s) ?"},
        {"Label10", K::Caption, "Confirma APAGAR da Galeria a(s) foto(s) selecionada(s) ?"},
        {"Label16", K::Caption, "Deseja voltar às configurações e cores iniciais?"},
        {"Label19", K::Caption, "Confirma APAGAR TODA A GALERIA de "},
        {"Label20", K::Caption, "Tem Certeza? Confirme apagar a pasta "},
        {"Label21", K::Caption, "Para salvar na Galeria, primeiro abra ou crie uma pasta na Galeria!"},
        {"Label25", K::Caption, "Somente o Styles 6 tem visão de perfil!"},

        // Main menu.
        {"Arquivo1", K::Caption, "&Arquivo"},
        {"AbrirFoto1", K::Caption, "&Abrir Foto"},
        {"Salvarcomo1", K::Caption, "Salvar &Como..."},
        {"ConfigurarImpressora1", K::Caption, "Configurar &Impressora"},
        {"Imprimir1", K::Caption, "Im&primir"},
        {"Sair1", K::Caption, "Sai&r"},
        {"Editar1", K::Caption, "&Editar"},
        {"Desfazer1", K::Caption, "&Desfazer"},
        {"Copiar1", K::Caption, "&Copiar"},
        {"Colar1", K::Caption, "Co&lar"},
        {"Inserir1", K::Caption, "&Inserir cabelo"},
        {"ApagarCabelo1", K::Caption, "&Esconder cabelo"},
        {"Imagem1", K::Caption, "&Imagem"},
        {"Flip1", K::Caption, "&Virar"},
        {"CapturaTWAIN1", K::Caption, "Dir. DCIM &Câmera"},
        {"ZoomOut1", K::Caption, "Zoom -"},
        {"ZoomIn1", K::Caption, "&Zoom +"},
        {"OriginalPhotoSize1", K::Caption, "&Tamanho Original da Foto"},
        {"AjustedeImagem1", K::Caption, "&Ferramentas"},
        {"AutomaticHairstylesSequence1", K::Caption, "&Sequência Automática de Cabelos"},
        {"ColorPreview1", K::Caption, "Preview de C&ores"},
        {"PreviewHaistyles1", K::Caption, "Preview de &Cabelos"},
        {"Opcoes1", K::Caption, "&Preferências"},
        {"Desenho1", K::Caption, "&Retoque"},
        {"RetoqLapis", K::Caption, "&Tesoura"},
        {"ContaGotas1", K::Caption, "Conta-&Gotas"},
        {"Balde1", K::Caption, "&Balde"},
        {"Manchar1", K::Caption, "&Borrar"},
        {"RetoqSmudge", K::Caption, "&Empurrar"},
        {"RetoqClone", K::Caption, "&Clone"},
        {"Maquiagem1", K::Caption, "&Maquiagem"},
        {"Gallery1", K::Caption, "&Galeria"},
        {"AddtoGallery1", K::Caption, "&Adicionar à Galeria"},
        {"Createapersonsfolder1", K::Caption, "&Criar nova pasta Galeria"},
        {"Deletegalleryphotos1", K::Caption, "Apagar fotos da Galeria"},
        {"Deletegalleryfolder1", K::Caption, "Apagar pasta Galeria"},
        {"Ajuda1", K::Caption, "A&juda"},
        {"TopicosAjuda1", K::Caption, "Tópicos de Ajuda"},
        {"SobreoPrograma1", K::Caption, "&Sobre o Programa"},

        // Tool bar.
        {"BT_ABRIR", K::Hint, "Abrir Foto"},
        {"BT_SALVAR", K::Hint, "Salvar"},
        {"BT_IMPRIMIR", K::Hint, "Imprimir"},
        {"BT_COPY", K::Hint, "Copiar"},
        {"BT_PASTE", K::Hint, "Colar"},
        {"BT_SCROLL", K::Hint, "Mover, Ajustar"},
        {"BT_DRAW", K::Hint, "Cortar Cabelo"},
        {"BT_CONTAGOTAS", K::Hint, "Conta-Gotas"},
        {"BT_BLUR", K::Hint, "Borrar"},
        {"BT_SMUDGE", K::Hint, "Empurrar"},
        {"BT_CLONE", K::Hint, "Duplicar"},
        {"BT_SPRAY", K::Hint, "Maquiagem"},
        {"BT_ZOOM", K::Hint, "Zoom + (botão esquerdo), Zoom - (direito)"},
        {"BT_LACO", K::Hint, "Seleção Laço"},
        {"BT_ORIGINAL", K::Hint, "Tamanho Original da Foto"},
        {"BT_AUTO", K::Hint, "Exibição Automática"},
        {"BT_CORES", K::Hint, "Preview de Cores"},
        {"BT_PREVIEW", K::Hint, "Preview de Cabelos"},
        {"BT_GALLERY", K::Hint, "Gravar na Galeria"},
        {"BT_SAIR", K::Hint, "Sair"},

        // Photos page.
        {"TabSheet1", K::PageCaption, "Fotos"},
        {"BTDELETE", K::Caption, "Apagar Foto(s)"},
        {"BTDELETE", K::Hint, "Apaga 1 ou + fotos"},
        {"BT_FOTOSDIR", K::Hint, "Abrir Diretório Fotos"},
        {"BT_DCIM", K::Hint, "Abrir Dir. DCIM Câmera"},
        {"BT_TRANSFER", K::Hint, "Transferir Fotos da Câmera"},
        {"BTMAX1", K::Hint, "Maximizar"},
        {"BTMAX2", K::Hint, "Maximizar"},
        {"BTMAX3", K::Hint, "Maximizar"},
        {"BTMAX4", K::Hint, "Maximizar"},
        {"jvSpinEdit1", K::Hint, "Tamanho Fotos ao Maximizar"},
        {"jvSpinEdit2", K::Hint, "Tamanho Fotos ao Maximizar"},
        {"jvSpinEdit3", K::Hint, "Tamanho Fotos ao Maximizar"},
        {"JvSpinEdit4", K::Hint, "Tamanho Fotos ao Maximizar"},

        // Styles page.
        {"TabSheet2", K::PageCaption, "Cabelos"},
        {"BTCC", K::Hint, "Curtos e Claros"},
        {"BTCE", K::Hint, "Curtos e Escuros"},
        {"BTMC", K::Hint, "Médios e Claros"},
        {"BTME", K::Hint, "Médios e Escuros"},
        {"BTLC", K::Hint, "Longos e Claros"},
        {"BTLE", K::Hint, "Longos e Escuros"},
        {"BTFM", K::Hint, "Masculinos"},
        {"CHECK_SIDE", K::Hint, "Mostrar Perfil para Styles6?"},
        {"CHECK_SIDE", K::Caption, "Perfil"},

        // Gallery and Preview pages.
        {"TabSheet4", K::PageCaption, "Galeria"},
        {"cbGallery", K::Hint, "Escolha uma pasta da Galeria"},
        {"BT_FOLDER", K::Caption, "Nova"},
        {"BT_FOLDER", K::Hint, "Criar nova pasta Galeria"},
        {"BT_DELDIR", K::Hint, "Apagar pasta Galeria"},
        {"BT_DELGALLERY", K::Hint, "Apagar fotos da Galeria"},
        {"BT_PRINTG", K::Caption, "Imprimir"},
        {"TabSheet5", K::PageCaption, "Preview"},
        {"BT_PRINT", K::Caption, "Imprimir"},
        {"BT_PRINT", K::Hint, "Imprimir Preview"},

        // Colors page.
        {"TabSheet3", K::PageCaption, "Cores"},
        {"BT_BASE", K::Hint, "Cor Base: Selecione-a com o Conta-Gotas"},
        {"BT_SHADE", K::Hint, "Tintura: Clique em qualquer botão abaixo"},
        {"OvalButton1", K::Hint, "Resultado = Cor Base + Tintura"},
        {"BT_LOCK", K::Hint, "Iguala cores Base e Tintura"},
        {"lbBase", K::Caption, "Base"},
        {"lbResult", K::Caption, "Result"},
        {"BT_UPDTHAIR", K::Hint, "Atualizar Cabelo"},
        {"BitBtn1", K::Hint, "Desfazer"},
        {"BitBtn2", K::Hint, "Esconder Seleção"},
        {"DRLabel8", K::Caption, "Color Panel"},
        {"DRLabel1", K::Caption, "Vermelho"},
        {"DRLabel2", K::Caption, "Verde"},
        {"DRLabel3", K::Caption, "Azul"},
        {"DRLabel4", K::Caption, "Contraste"},
        {"DRLabel6", K::Caption, "Brilho"},
        {"DRLabel20", K::Caption, "Nitidez"},
        {"DRLabel14", K::Caption, "Sombra"},
        {"DRLabel13", K::Caption, "Nível Color Mix"},
        {"janTracker1", K::Hint, "Nível Color Mix"},
        {"DRLabel12", K::Caption, "Int. Maquiagem"},
        {"janTracker2", K::Hint, "Intensidade Maquiagem"},
        {"DRLabel17", K::Caption, "Largura Linha"},
        {"LineWidthComboBox1", K::Hint, "Largura da Linha"},
    };
    return texts;
}

const std::vector<Text>& preferencesPortuguese()
{
    static const std::vector<Text> texts{
        {"", K::Caption, "Preferências"},
        {"Label1", K::Caption, "Tamanho Thumbnails:"},
        {"Label4", K::Caption, "Nome do Salão:"},
        {"Label7", K::Caption, "Tempo Seq. Automática:"},
        {"Label2", K::Caption, "% Mistura de Cores:"},
        {"Label3", K::Caption, "Intensidade Maquiagem:"},
        {"Label6", K::Caption, "Escolha um Estilo e Tipo de Cabelos para iniciar:"},
        {"BT_GRAVAR", K::Caption, "Gravar"},
        {"BT_RESET", K::Caption, "Original"},
        {"LbSpeedButton1", K::Caption, "Sair"},
        {"BTCC", K::Hint, "Curtos e Claros"},
        {"BTCE", K::Hint, "Curtos e Escuros"},
        {"BTMC", K::Hint, "Médios e Claros"},
        {"BTME", K::Hint, "Médios e Escuros"},
        {"BTLC", K::Hint, "Longos e Claros"},
        {"BTLE", K::Hint, "Longos e Escuros"},
        {"BTFM", K::Hint, "Masculinos"},
    };
    return texts;
}

namespace {

bool setCaption(QObject* target, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow()) {
        widget->setWindowTitle(text);
    } else {
        return false;
    }
    return true;
}

bool setHint(QObject* target, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(text);
        return true;
    }
    if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(text);
        return true;
    }
    return false;
}

bool setPageCaption(QObject* target, const QString& text)
{
    auto* page = qobject_cast<QWidget*>(target);
    for (QWidget* up = page ? page->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            const int index = tabs->indexOf(page);
            if (index < 0)
                return false;
            tabs->setTabText(index, text);
            return true;
        }
    }
    return false;
}

} // namespace

QStringList apply(QWidget* window, const std::vector<Text>& texts)
{
    QStringList missing;
    for (const Text& entry : texts) {
        const QString name = QLatin1String(entry.component);
        QObject* target = name.isEmpty() ? window : window->findChild<QObject*>(name);
        const QString text = QString::fromUtf8(entry.portuguese);
        bool done = false;
        if (target) {
            switch (entry.kind) {
            case Kind::Caption: done = setCaption(target, text); break;
            case Kind::Hint: done = setHint(target, text); break;
            case Kind::PageCaption: done = setPageCaption(target, text); break;
            }
        }
        if (!done)
            missing.append(name);
    }
    return missing;
}

} // namespace morvane::InterfaceTexts
