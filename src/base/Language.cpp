#include "base/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// English is the language of the program's own texts. The others are languages that the
// speech voice speaks clearly, so that the starter recordings are good to listen to.
const QList<CLanguage::Info> kLanguages = {
    {"en", "English", "en-us+f4"}, {"de", "Deutsch", "de+f4"},  {"fr", "Français", "fr+f4"},
    {"es", "Español", "es+f4"},    {"it", "Italiano", "it+f4"}, {"nl", "Nederlands", "nl+f4"},
    {"pl", "Polski", "pl+f4"},
};
} // namespace

CLanguage* CLanguage::instance()
{
    // Never deleted: translators stay installed for the rest of the run.
    static CLanguage* language = new CLanguage;
    return language;
}

CLanguage::~CLanguage() = default;

const QList<CLanguage::Info>& CLanguage::all()
{
    return kLanguages;
}

QStringList CLanguage::codes()
{
    QStringList out;
    for (const Info& i : kLanguages)
        out << QLatin1String(i.code);
    return out;
}

const CLanguage::Info& CLanguage::info(const QString& code)
{
    for (const Info& i : kLanguages) {
        if (code == QLatin1String(i.code))
            return i;
    }
    return kLanguages.first();
}

bool CLanguage::isKnown(const QString& code)
{
    return codes().contains(code);
}

QString CLanguage::fromSystem()
{
    // "de-DE", "de", "fr-CA", ...: the language part of each, in the desktop's order.
    const QStringList wanted = QLocale::system().uiLanguages();
    for (const QString& tag : wanted) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (isKnown(code.toLower()))
            return code.toLower();
    }
    return QStringLiteral("en");
}

QString CLanguage::fromArguments(const QStringList& arguments)
{
    const QString option = QStringLiteral("--language");
    for (int i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments.at(i) == option && i + 1 < arguments.size())
            value = arguments.at(i + 1);
        else if (arguments.at(i).startsWith(option + QLatin1Char('=')))
            value = arguments.at(i).mid(option.size() + 1);
        else
            continue;
        value = value.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
        if (isKnown(value))
            return value;
    }
    return QString();
}

QString CLanguage::current() const
{
    std::lock_guard<std::mutex> lock(m_codeMutex);
    return m_code;
}

void CLanguage::select(const QString& code)
{
    const QString chosen = QLatin1String(info(code).code);
    {
        std::lock_guard<std::mutex> lock(m_codeMutex);
        if (chosen == m_code)
            return;
        m_code = chosen;
    }
    installTranslators();
    Q_EMIT changed(m_code);
}

void CLanguage::installTranslators()
{
    if (m_program)
        QCoreApplication::removeTranslator(m_program.get());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    m_program.reset();
    m_qt.reset();
    if (m_code == QLatin1String("en"))
        return;
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/pommelot_") + m_code))
        m_program = std::move(program);
    // Qt's standard dialogs (font, file, message box buttons), from the system's translations.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + m_code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_qt = std::move(qt);
    if (m_qt)
        QCoreApplication::installTranslator(m_qt.get());
    if (m_program)
        QCoreApplication::installTranslator(m_program.get());
}
