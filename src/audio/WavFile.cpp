#include "audio/WavFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sndfile.h>

QString WavFile::writeBeside(const QString& target, const std::vector<int16_t>& samples, int rate)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    if (target.isEmpty() || !folder.exists() || info.isDir())
        return {};

    QString tempPath;
    {
        QTemporaryFile temp(folder.filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
        temp.setAutoRemove(false);
        if (!temp.open())
            return {};
        tempPath = temp.fileName();
    }
    const QByteArray tempName = QFile::encodeName(tempPath);

    SF_INFO format{};
    format.samplerate = rate;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    bool written = false;
    if (SNDFILE* file = sf_open(tempName.constData(), SFM_WRITE, &format)) {
        const sf_count_t frames = sf_count_t(samples.size());
        written = sf_writef_short(file, samples.data(), frames) == frames;
        if (written)
            sf_write_sync(file);
        written = sf_close(file) == 0 && written;
    }
    if (!written) {
        QFile::remove(tempPath);
        return {};
    }
    QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return tempPath;
}

std::vector<int16_t> WavFile::readMono(const QString& path, int& rate, long long maxFrames)
{
    std::vector<int16_t> samples;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return samples;
    if (info.channels == 1 && info.frames > 0 && info.frames <= maxFrames) {
        samples.resize(size_t(info.frames));
        samples.resize(size_t(sf_readf_short(file, samples.data(), info.frames)));
        rate = info.samplerate;
    }
    sf_close(file);
    return samples;
}
