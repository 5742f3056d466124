"""A speech server for Orca that says nothing aloud: it writes to Orca's debug log what it is
asked to do, so that a test without a synthesizer or a sound card sees when speech would be
cut off. Orca finds it by its module name in its settings folder."""

import orca.debug as debug
from orca import speechserver


def _log(what):
    debug.println(debug.LEVEL_INFO, "SILENT SPEECH: %s" % what, True)


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._server = None

    def getInfo(self):
        return ["silent", "silent"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _log("speak interrupt=%s %r" % (interrupt, text))

    def speakCharacter(self, character, acss=None):
        _log("character %r" % character)

    def speakKeyEvent(self, event, acss=None):
        _log("key %r" % event.event_string)

    def sayAll(self, utteranceIterator, progressCallback):
        for context, _acss in utteranceIterator:
            _log("say all %r" % context.utterance)

    def stop(self):
        _log("stop")

    def shutdown(self):
        SpeechServer._server = None

    def reset(self, text=None, acss=None):
        pass
