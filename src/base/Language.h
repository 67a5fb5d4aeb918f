#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

class QTranslator;

// The language the program speaks and shows: the starter voice, the starter word lists and the
// interface. Picked at every start from the desktop's locale (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, as Qt reads them) where it is one of ours, English otherwise, or from the command line
// (--language xx); the General page switches it for the rest of the run. Nothing is stored.
//
// The interface's own texts come from the translations built into the program (":/i18n"),
// Qt's standard dialogs from the system's Qt translations; a text without a translation stays
// English.
class CLanguage : public QObject
{
    Q_OBJECT
public:
    struct Info
    {
        const char* code;  // ISO 639-1: "en", "de", ...
        const char* name;  // the language's own name for itself: "Deutsch"
        const char* voice; // the speech voice of its starter recordings
    };

    // The one instance (created on first use, on the UI thread).
    static CLanguage* instance();

    // Every language, English first.
    static const QList<Info>& all();
    static QStringList codes();
    // The entry for code; English for a code that is not ours.
    static const Info& info(const QString& code);
    static bool isKnown(const QString& code);

    // The first of the desktop's languages (QLocale::system().uiLanguages()) that is ours,
    // else "en".
    static QString fromSystem();
    // The language asked for by "--language xx" or "--language=xx" in arguments, or an empty
    // string when none of ours is asked for.
    static QString fromArguments(const QStringList& arguments);

    // The language in use. The audio worker reads it to find starter recordings, so it may be
    // called from any thread.
    QString current() const;

    // text in the language in use where it is one of known, the English texts marked for
    // translation in context; any other text as it is.
    template <size_t N>
    static QString translateKnown(const char* context, const char* const (&known)[N],
                                  const QString& text)
    {
        for (const char* k : known) {
            if (text == QLatin1String(k))
                return QCoreApplication::translate(context, k);
        }
        return text;
    }
    // Switches to code (English for a code that is not ours): installs the interface's
    // translations and Qt's own, and emits changed() when the language was another.
    void select(const QString& code);

Q_SIGNALS:
    void changed(const QString& code);

private:
    CLanguage() = default;
    ~CLanguage() override;
    void installTranslators();

    QString m_code;
    mutable std::mutex m_codeMutex;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};
