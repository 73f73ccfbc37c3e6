#include "changerequest.h"

#include "links.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace optolune {

ProgramFacts ReadProgramFacts(const QString &exeFileName, const QString &reference,
                              const QString &version)
{
    ProgramFacts facts;
    facts.path = exeFileName;
    facts.reference = reference;
    facts.version = version;
    const QFileInfo info(exeFileName);
    if (info.isFile()) {
        const QDateTime changed = info.lastModified();
        if (changed.isValid()) {
            facts.date = QLocale::system().toString(changed.date(), QLocale::ShortFormat);
            facts.time = HoursMinutesText(changed.time());
        }
        facts.size = QCoreApplication::translate("ChangeRequest", "%1 octets").arg(info.size());
    }
    return facts;
}

QString HoursMinutesText(const QTime &time)
{
    return QString::number(time.hour()) + QStringLiteral(" h ") + QString::number(time.minute()) +
           QStringLiteral(" min");
}

QString GroupedByThree(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u' ';
        out += digits[i];
    }
    return out;
}

QString ChangeRequestBody(const ProgramFacts &facts, const QDateTime &now)
{
    const QString dashes(89, u'-');
    const QString nl = QStringLiteral("\r\n");
    const QLocale locale = QLocale::system();
    QString body;
    body += dashes + nl;
    body += QCoreApplication::translate("ChangeRequest", " Le %1 à %2   .")
                .arg(locale.toString(now.date(), QLocale::ShortFormat),
                     locale.toString(now.time(), QLocale::LongFormat)) +
            nl;
    body += QCoreApplication::translate("ChangeRequest", "Demande de modifications de:") + nl;
    body += facts.path + u'-' + facts.reference + nl;
    body += facts.version + nl;
    body += QCoreApplication::translate("ChangeRequest", "Compilée le %1 à %2, volume %3")
                .arg(facts.date, facts.time, facts.size) +
            nl;
    body += QCoreApplication::translate("ChangeRequest", "Dossier Windows utilisateur %1")
                .arg(facts.windowsFolder) +
            nl;
    body += dashes + nl;
    body += QCoreApplication::translate("ChangeRequest",
                                        "Ne pas effacer ce qui précède, indiquez ci-dessous les "
                                        "modifications souhaitées.") +
            nl;
    body += dashes + nl;
    return body;
}

std::optional<QUrl> ComposeChangeRequest(const ProgramFacts &facts, const QDateTime &now,
                                         const QString &contact)
{
    if (!IsContactAddress(contact))
        return std::nullopt;
    const QByteArray encoded = QByteArrayLiteral("mailto:") + contact.toUtf8() +
                               QByteArrayLiteral("?subject=") +
                               QUrl::toPercentEncoding(
                                   QCoreApplication::translate("ChangeRequest", "Demande de modifications")) +
                               QByteArrayLiteral("&body=") +
                               QUrl::toPercentEncoding(ChangeRequestBody(facts, now));
    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

} // namespace optolune
