#include "tools/assetgen/help_file.h"

#include <QRegularExpression>
#include <stdexcept>

#include "model/spoken_names.h"

namespace vm {

QByteArray HelpWithSpokenPictures(const QByteArray& source) {
    static const QRegularExpression picture(QStringLiteral(R"re(<img src="([^"]+)")re"));
    const QString text = QString::fromUtf8(source);
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : picture.globalMatch(text)) {
        const std::string& name = SpokenCardName(CardName(match.captured(1).toStdString()));
        if (name.empty())
            throw std::runtime_error("the help shows a picture that is not a card: " +
                                     match.captured(1).toStdString());
        result += text.mid(done, match.capturedEnd() - done);
        result += QStringLiteral(R"( alt="%1")").arg(QString::fromStdString(name));
        done = match.capturedEnd();
    }
    result += text.mid(done);
    return result.toUtf8();
}

}  // namespace vm
