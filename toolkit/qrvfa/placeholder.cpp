// qrvfa: placeholder until its first source lands.
