// qrvda: placeholder until its first source lands.
