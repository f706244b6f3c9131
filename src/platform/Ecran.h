#pragma once

class Ecran {
public:
    virtual ~Ecran();
    virtual int largeurBureau() = 0;  // pixels
};

class EcranQt : public Ecran {
public:
    int largeurBureau() override;  // 0 when there is no screen
};

int LargeurBureau();
