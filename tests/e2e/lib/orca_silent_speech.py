"""A speech server for Orca that says nothing: Orca's debug log keeps what it would say."""
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None
    getFactoryName = staticmethod(lambda: "silent")
    getSpeechServers = staticmethod(lambda: [SpeechServer.getSpeechServer()])

    @staticmethod
    def getSpeechServer(info=None):
        SpeechServer._server = SpeechServer._server or SpeechServer()
        return SpeechServer._server

    def getInfo(self):
        return ["silent", "silent"]

    def getVoiceFamilies(self):
        return []
